#include "ui/OrbMultiTextControl.h"

#include "graphics/OrbFont.h"

#include <algorithm>

OrbMultiTextControl::OrbMultiTextControl(OrbControl* parent, OrbFont* font)
    : OrbControl(parent), font_(font) {
    setFocusOnClick(false);
}

void OrbMultiTextControl::addText(std::string text, OrbPoint anchor, float size,
                                  const OrbColor& colour, int alignment, int fontFlags,
                                  float fontScale) {
    runs_.push_back(Run{std::move(text), anchor, size, colour, alignment, fontFlags, fontScale});
}

OrbRect OrbMultiTextControl::measure(const Run& run) const {
    if (font_ == nullptr) {
        return placeRect(run.anchor, 0.0f, run.size, run.alignment);
    }
    return font_->layout(run.text, run.anchor, run.size, run.fontFlags, run.alignment,
                         run.fontScale, true);
}

OrbRect OrbMultiTextControl::bounds() const {
    if (runs_.empty()) {
        return OrbRect{};
    }
    const OrbRect first = measure(runs_.front());
    float left = first.x;
    float bottom = first.y;
    float right = first.x + first.width;
    float top = first.y + first.height;
    for (const Run& run : runs_) {
        const OrbRect r = measure(run);
        left = std::min(left, r.x);
        bottom = std::min(bottom, r.y);
        right = std::max(right, r.x + r.width);
        top = std::max(top, r.y + r.height);
    }
    return OrbRect{left, bottom, right - left, top - bottom};
}

void OrbMultiTextControl::moveBy(OrbPoint offset) {
    for (Run& run : runs_) {
        run.anchor.x += offset.x;
        run.anchor.y += offset.y;
    }
}

void OrbMultiTextControl::draw(const OrbColor& tint) {
    if (font_ == nullptr) {
        return;
    }
    for (const Run& run : runs_) {
        if (!run.text.empty()) {
            font_->drawText(run.anchor, run.text, run.size, tinted(run.colour, tint), run.fontFlags,
                            run.alignment, run.fontScale);
        }
    }
    font_->flushGlyphs();
}
