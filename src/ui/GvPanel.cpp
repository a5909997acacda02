#include "ui/GvPanel.h"

#include "graphics/OrbFont.h"
#include "graphics/OrbKeyCode.h"
#include "ui/GvSolid.h"
#include "ui/GvText.h"
#include "ui/GvUiColours.h"
#include "ui/OrbImageControl.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The panel-edge picture is a ring whose bright rim lies at this share of its
// width, so a quad this much larger than the corner radius puts the rim on the
// frame's outline.
constexpr float kEdgeRim = 0.74f;

// Appends a quarter circle about a centre, starting at an angle, counter-clockwise.
void addCorner(std::vector<OrbPoint>& points, OrbPoint centre, float startAngle) {
    const float step = std::numbers::pi_v<float> / 16.0f;
    for (int k = 0; k < GvPanel::kCornerPoints; ++k) {
        const float a = startAngle + step * static_cast<float>(k);
        points.push_back(OrbPoint{centre.x + GvPanel::kCornerRadius * std::cos(a),
                                  centre.y + GvPanel::kCornerRadius * std::sin(a)});
    }
}

} // namespace

GvPanel::GvPanel(OrbControl* parent, const GvUiResources* resources, const OrbRect& bounds)
    : OrbGroupControl(parent, bounds), resources_(resources) {}

GvPanel::~GvPanel() = default;

void GvPanel::reset() {
    OrbGroupControl::reset();
    if (OrbControl* control = findDefaultFocus()) {
        control->setFocused(true);
    }
    clearHighlight();
}

bool GvPanel::keyEvent(int key, int action, int modifiers) {
    if (OrbGroupControl::keyEvent(key, action, modifiers)) {
        return true;
    }
    if (!isEnabled() || action != OrbKeyPressed || (modifiers & kModifierMask) != 0) {
        return false;
    }
    if (key == OrbKeyReturn) {
        onReturn(key);
        return true;
    }
    if (key == OrbKeyEscape) {
        onEscape();
        return true;
    }
    return false;
}

void GvPanel::moveBy(OrbPoint offset) {
    OrbGroupControl::moveBy(offset);
    if (frame_) {
        frame_->moveBy(offset);
    }
}

void GvPanel::draw(const OrbColor& tint) {
    if (frame_) {
        frame_->draw(tint);
    }
    OrbGroupControl::draw(tint);
}

float GvPanel::textWidth(const std::string& text, float size) const {
    if (resources_ == nullptr || resources_->font == nullptr) {
        return 0.0f;
    }
    return resources_->font->textWidth(text, size, GvUiResources::kFontFlags, 1.0f, false);
}

void GvPanel::finishPanel(const std::string& title, bool framed) {
    title_ = title;
    const OrbRect content = childrenBounds();
    if (!framed) {
        setBounds(content);
        if (OrbControl* control = findDefaultFocus()) {
            control->setFocused(true);
        }
        return;
    }
    frame_ = std::make_unique<OrbGroupControl>(this, OrbRect{});
    float left = content.x - kMarginX;
    float right = content.x + content.width + kMarginX;
    const float centreX = content.x + content.width / 2.0f;
    const float contentTop = content.y + content.height;
    // A title wider than the content widens the frame rather than overhanging it.
    const float half = textWidth(title, kTitleSize) / 2.0f + kMarginX;
    left = std::min(left, centreX - half);
    right = std::max(right, centreX + half);
    OrbRect rect{left, content.y - kMarginY, right - left,
                 content.height + 2.0f * kMarginY + kTitleBand};
    // Centre the frame, and everything in it, on the origin.
    const OrbPoint offset{-(rect.x + rect.width / 2.0f), -(rect.y + rect.height / 2.0f)};
    OrbGroupControl::moveBy(offset);
    rect.x += offset.x;
    rect.y += offset.y;
    buildFrame(rect);
    if (!title.empty()) {
        frame_->addChild(std::make_unique<GvText>(
            frame_.get(), resources_, title,
            OrbPoint{centreX + offset.x, contentTop + offset.y + kTitleGap}, kTitleSize,
            GvUiColours::get().frameWhite, OrbFont::kAlignCentre | OrbFont::kAlignBottom));
    }
    setBounds(rect);
    if (OrbControl* control = findDefaultFocus()) {
        control->setFocused(true);
    }
}

void GvPanel::buildFrame(const OrbRect& r) {
    const float rad = kCornerRadius;
    const float pi = std::numbers::pi_v<float>;
    const float right = r.x + r.width;
    const float top = r.y + r.height;
    const GvUiColours& colours = GvUiColours::get();

    std::vector<OrbPoint> body;
    addCorner(body, {right - rad, r.y + rad}, -pi / 2.0f);
    addCorner(body, {right - rad, top - rad}, 0.0f);
    addCorner(body, {r.x + rad, top - rad}, pi / 2.0f);
    addCorner(body, {r.x + rad, r.y + rad}, pi);
    frame_->addChild(
        std::make_unique<GvSolid>(frame_.get(), resources_, std::move(body), colours.panelBody));

    std::vector<OrbPoint> band;
    band.push_back({right, top - kTitleBand});
    addCorner(band, {right - rad, top - rad}, 0.0f);
    addCorner(band, {r.x + rad, top - rad}, pi / 2.0f);
    band.push_back({r.x, top - kTitleBand});
    frame_->addChild(
        std::make_unique<GvSolid>(frame_.get(), resources_, std::move(band), colours.panelBand));

    // The rim: the corners of the ring picture at the four corners, and one
    // column of it stretched along each straight side.
    OrbTexture* edge = resources_ != nullptr ? resources_->panelEdge : nullptr;
    const float e = rad / kEdgeRim;
    const float l = r.x + rad;
    const float rr = right - rad;
    const float b = r.y + rad;
    const float t = top - rad;
    const struct {
        OrbRect rect;
        OrbRect texture;
    } pieces[] = {
        {{rr, t, e, e}, {0, 0, 1, 1}},          {{l - e, t, e, e}, {1, 0, -1, 1}},
        {{l - e, b - e, e, e}, {1, 1, -1, -1}}, {{rr, b - e, e, e}, {0, 1, 1, -1}},
        {{l, t, rr - l, e}, {0, 0, 0, 1}},      {{l, b - e, rr - l, e}, {0, 1, 0, -1}},
        {{rr, b, e, t - b}, {0, 0, 1, 0}},      {{l - e, b, e, t - b}, {1, 0, -1, 0}},
    };
    for (const auto& piece : pieces) {
        frame_->addChild(std::make_unique<OrbImageControl>(frame_.get(), edge, piece.rect,
                                                           piece.texture, colours.panelEdge));
    }
}
