#include "ui/OrbTextControl.h"

#include "graphics/OrbFont.h"

OrbTextControl::OrbTextControl(OrbControl* parent, OrbFont* font, std::string text, OrbPoint anchor,
                               float size, const OrbColor& colour, int alignment, int fontFlags,
                               float fontScale)
    : OrbControl(parent), font_(font), text_(std::move(text)), anchor_(anchor), size_(size),
      colour_(colour), alignment_(alignment), fontFlags_(fontFlags), fontScale_(fontScale) {
    setFocusOnClick(false);
}

OrbRect OrbTextControl::measure(const std::string& text) const {
    if (font_ == nullptr) {
        return placeRect(anchor_, 0.0f, size_, alignment_);
    }
    return font_->layout(text, anchor_, size_, fontFlags_, alignment_, fontScale_, true);
}

OrbRect OrbTextControl::bounds() const {
    if (!cachedBounds_) {
        cachedBounds_ = measure(text_);
    }
    return *cachedBounds_;
}

void OrbTextControl::moveBy(OrbPoint offset) {
    setAnchor(OrbPoint{anchor_.x + offset.x, anchor_.y + offset.y});
}

void OrbTextControl::setText(std::string text) {
    if (text != text_) {
        text_ = std::move(text);
        cachedBounds_.reset();
    }
}

void OrbTextControl::setAnchor(OrbPoint anchor) {
    anchor_ = anchor;
    cachedBounds_.reset();
}

void OrbTextControl::draw(const OrbColor& tint) {
    drawString(text_, tinted(colour_, tint));
}

void OrbTextControl::drawString(const std::string& text, const OrbColor& colour) {
    if (font_ == nullptr || text.empty() || colour.a <= 0.0f) {
        return;
    }
    font_->drawTextNow(anchor_, text, size_, colour, fontFlags_, alignment_, fontScale_);
}
