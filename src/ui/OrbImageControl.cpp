#include "ui/OrbImageControl.h"

#include "graphics/OrbTexture.h"

OrbImageControl::OrbImageControl(OrbControl* parent, OrbTexture* texture, const OrbRect& rect,
                                 const OrbRect& textureRect, const OrbColor& colour)
    : OrbControl(parent), texture_(texture), rect_(rect), textureRect_(textureRect),
      colour_(colour) {
    setFocusOnClick(false);
}

void OrbImageControl::moveBy(OrbPoint offset) {
    rect_.x += offset.x;
    rect_.y += offset.y;
}

void OrbImageControl::draw(const OrbColor& tint) {
    const OrbColor colour = tinted(colour_, tint);
    if (texture_ == nullptr || colour.a <= 0.0f) {
        return;
    }
    texture_->addQuad(rect_, textureRect_, colour);
    texture_->flush();
}
