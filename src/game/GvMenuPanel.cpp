#include "game/GvMenuPanel.h"

#include "game/GvResources.h"
#include "game/GvView.h"
#include "graphics/GvFont.h"
#include "graphics/OrbKeyCode.h"
#include "graphics/OrbTexture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTitleSize = 8.0f;
constexpr int kTextFlags = OrbFont::kSmallCaps;

OrbColor times(const OrbColor& a, const OrbColor& b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b, a.a * b.a};
}

bool inside(const OrbRect& r, float x, float y) {
    return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
}

} // namespace

GvMenuPanel::GvMenuPanel(GvView& view, std::string title, bool framed)
    : view_(view), title_(std::move(title)), framed_(framed), font_(&view.resources().font()) {}

GvMenuPanel::~GvMenuPanel() = default;

float GvMenuPanel::textWidth(const std::string& text, float size) const {
    return font_->textWidth(text, size, kTextFlags, 1.0f, false);
}

int GvMenuPanel::addText(const std::string& text, float x, float y, float size, int alignment,
                         const OrbColor& colour) {
    Item item;
    item.kind = Text;
    item.text = text;
    item.rect = {x, y, 0.0f, 0.0f};
    item.size = size;
    item.alignment = alignment;
    item.colour = colour;
    items_.push_back(std::move(item));
    return itemCount() - 1;
}

int GvMenuPanel::addButton(const std::string& text, const OrbRect& rect,
                           std::function<void()> action, float size) {
    Item item;
    item.kind = Button;
    item.text = text;
    item.rect = rect;
    item.size = size;
    item.action = std::move(action);
    items_.push_back(std::move(item));
    return itemCount() - 1;
}

int GvMenuPanel::addSpinner(const OrbRect& rect, std::function<void(int)> step) {
    Item item;
    item.kind = Spinner;
    item.rect = rect;
    item.step = std::move(step);
    items_.push_back(std::move(item));
    return itemCount() - 1;
}

int GvMenuPanel::addRow(const std::string& text, float y, std::function<void()> action) {
    return addButton(text, {-25.0f, y - 7.0f, 50.0f, 7.0f}, std::move(action));
}

int GvMenuPanel::addImage(const OrbRect& rect) {
    Item item;
    item.kind = Image;
    item.rect = rect;
    items_.push_back(std::move(item));
    return itemCount() - 1;
}

void GvMenuPanel::finishPanel(int defaultFocus) {
    // Content bounds over every item.
    float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
    for (const Item& item : items_) {
        OrbRect r = item.rect;
        if (item.kind == Text) {
            r = font_->layout(item.text, {item.rect.x, item.rect.y}, item.size, kTextFlags,
                              item.alignment, 1.0f, false);
        }
        left = std::min(left, r.x);
        right = std::max(right, r.x + r.width);
        bottom = std::min(bottom, r.y);
        top = std::max(top, r.y + r.height);
    }
    if (items_.empty()) {
        left = right = bottom = top = 0.0f;
    }
    if (!title_.empty()) {
        addText(title_, (left + right) / 2.0f, top + 6.0f, kTitleSize,
                OrbFont::kAlignCentre | OrbFont::kAlignBottom, {1.0f, 1.0f, 1.0f, 1.0f});
        top += 6.0f + kTitleSize;
        right = std::max(right, (left + right) / 2.0f + textWidth(title_, kTitleSize) / 2.0f);
    }
    // Framed panels are centred on the origin; others keep their own placement.
    const float dx = framed_ ? -(left + right) / 2.0f : 0.0f;
    const float dy = framed_ ? -(bottom + top) / 2.0f : 0.0f;
    for (Item& item : items_) {
        item.rect.x += dx;
        item.rect.y += dy;
    }
    const float margin = framed_ ? 8.0f : 0.0f;
    const float marginY = framed_ ? 4.0f : 0.0f;
    bounds_ = {left + dx - margin, bottom + dy - marginY, right - left + 2.0f * margin,
               top - bottom + 2.0f * marginY};
    defaultFocus_ = defaultFocus;
    setFocus(defaultFocus);
}

bool GvMenuPanel::focusable(int index) const {
    if (index < 0 || index >= itemCount()) {
        return false;
    }
    const Item& item = items_[index];
    return (item.kind == Button || item.kind == Spinner) && item.visible && item.enabled;
}

void GvMenuPanel::setFocus(int index) {
    focus_ = focusable(index) ? index : -1;
}

void GvMenuPanel::moveFocus(int direction) {
    const int n = itemCount();
    int start = focus_ < 0 ? (direction > 0 ? -1 : n) : focus_;
    for (int k = 1; k <= n; ++k) {
        const int i = ((start + direction * k) % n + n) % n;
        if (focusable(i)) {
            focus_ = i;
            return;
        }
    }
}

void GvMenuPanel::reset() {
    setFocus(defaultFocus_);
    if (focus_ < 0) {
        moveFocus(1);
    }
    hover_ = -1;
}

int GvMenuPanel::findItem(const std::string& text) const {
    for (int i = 0; i < itemCount(); ++i) {
        if (items_[i].text == text) {
            return i;
        }
    }
    return -1;
}

bool GvMenuPanel::press(int index) {
    if (!focusable(index) || items_[index].kind != Button || !items_[index].action) {
        return false;
    }
    // The action may replace this panel's contents; run a copy.
    const std::function<void()> action = items_[index].action;
    action();
    return true;
}

bool GvMenuPanel::keyEvent(int key, int state, int modifiers) {
    if (state == OrbKeyReleased) {
        return false;
    }
    const bool plain = (modifiers & ~(OrbModShift | OrbModCapsLock)) == 0;
    if (!focusable(focus_)) {
        focus_ = -1;
    }
    switch (key) {
    case OrbKeyUp:
        moveFocus(-1);
        return true;
    case OrbKeyDown:
        moveFocus(1);
        return true;
    case OrbKeyTab:
        moveFocus((modifiers & OrbModShift) ? -1 : 1);
        return true;
    case OrbKeyLeft:
    case OrbKeyRight: {
        const int direction = key == OrbKeyLeft ? -1 : 1;
        if (focus_ >= 0 && items_[focus_].kind == Spinner) {
            if (items_[focus_].step) {
                const std::function<void(int)> step = items_[focus_].step;
                step(direction);
            }
        } else {
            moveFocus(direction);
        }
        return true;
    }
    default:
        break;
    }
    if (state != OrbKeyPressed || !plain) {
        return false;
    }
    if ((key == OrbKeyReturn || key == OrbKeySpace) && focus_ >= 0 &&
        items_[focus_].kind == Button) {
        press(focus_);
        return true;
    }
    if (key == OrbKeyReturn) {
        onReturn();
        return true;
    }
    if (key == OrbKeyEscape) {
        onEscape();
        return true;
    }
    return false;
}

bool GvMenuPanel::mouseButton(int button, int action, float x, float y) {
    // A double click arrives as a second press on the same control.
    if (action != OrbMousePress || (button & OrbMouseRight) != 0) {
        return false;
    }
    for (int i = 0; i < itemCount(); ++i) {
        if (!focusable(i) || !inside(items_[i].rect, x, y)) {
            continue;
        }
        focus_ = i;
        if (items_[i].kind == Button) {
            press(i);
        } else if (items_[i].step) {
            const std::function<void(int)> step = items_[i].step;
            step(x < items_[i].rect.x + items_[i].rect.width / 2.0f ? -1 : 1);
        }
        return true;
    }
    return false;
}

bool GvMenuPanel::mouseMove(float x, float y) {
    hover_ = -1;
    for (int i = 0; i < itemCount(); ++i) {
        if (focusable(i) && inside(items_[i].rect, x, y)) {
            hover_ = i;
            return true;
        }
    }
    return false;
}

void GvMenuPanel::advance(double) {}

void GvMenuPanel::draw(GvResources& resources, float scale, float offsetX, const OrbColor& tint) {
    beforeDraw();
    auto place = [&](const OrbRect& r) {
        return OrbRect{r.x * scale + offsetX, r.y * scale, r.width * scale, r.height * scale};
    };
    OrbTexture& solid = resources.solid();
    if (framed_) {
        const OrbRect frame = place(bounds_);
        const float band = 15.0f * scale;
        solid.addQuad(frame, times(GvResources::makeColour(0.05f, 0.05f, 0.2f, 0.88f), tint));
        solid.addQuad({frame.x, frame.y + frame.height - band, frame.width, band},
                      times(GvResources::makeColour(0.15f, 0.15f, 0.45f, 0.95f), tint));
        const float edge = 0.5f * scale;
        const OrbColor edgeColour = times(GvResources::makeColour(0.5f, 0.5f, 0.9f, 1.0f), tint);
        solid.addQuad({frame.x, frame.y, frame.width, edge}, edgeColour);
        solid.addQuad({frame.x, frame.y + frame.height - edge, frame.width, edge}, edgeColour);
        solid.addQuad({frame.x, frame.y, edge, frame.height}, edgeColour);
        solid.addQuad({frame.x + frame.width - edge, frame.y, edge, frame.height}, edgeColour);
    }
    for (int i = 0; i < itemCount(); ++i) {
        const Item& item = items_[i];
        if (!item.visible || item.kind == Text || item.kind == Image) {
            continue;
        }
        const bool focused = i == focus_;
        const bool hovered = i == hover_;
        const float level = !item.enabled ? 0.12f : focused ? 0.55f : hovered ? 0.4f : 0.25f;
        solid.addQuad(
            place(item.rect),
            times(GvResources::makeColour(level * 0.6f, level * 0.6f, level, 0.9f), tint));
    }
    solid.flush();
    for (int i = 0; i < itemCount(); ++i) {
        const Item& item = items_[i];
        if (item.visible && item.kind == Image) {
            drawImage(resources, i, place(item.rect), tint);
        }
    }
    GvFont& font = resources.font();
    for (int i = 0; i < itemCount(); ++i) {
        const Item& item = items_[i];
        if (!item.visible) {
            continue;
        }
        if (item.kind == Text) {
            font.drawText({item.rect.x * scale + offsetX, item.rect.y * scale}, item.text,
                          item.size * scale, times(item.colour, tint), kTextFlags, item.alignment);
        } else if (item.kind == Button || item.kind == Spinner) {
            const OrbRect r = place(item.rect);
            const OrbColor colour =
                item.enabled ? OrbColor{1.0f, 1.0f, 1.0f, 1.0f} : OrbColor{0.5f, 0.5f, 0.5f, 1.0f};
            const std::string text = item.kind == Spinner ? "<" + item.text + ">" : item.text;
            font.drawText({r.x + r.width / 2.0f, r.y + r.height / 2.0f}, text, item.size * scale,
                          times(colour, tint), kTextFlags,
                          OrbFont::kAlignCentre | OrbFont::kAlignMiddle);
        }
    }
    font.flushGlyphs();
}
