#pragma once

#include "ui/OrbControl.h"

class OrbTexture;

// A picture: part of a texture stretched over a rectangle in one colour.
class OrbImageControl : public OrbControl {
public:
    OrbImageControl(OrbControl* parent, OrbTexture* texture, const OrbRect& rect,
                    const OrbRect& textureRect = OrbRect{0.0f, 0.0f, 1.0f, 1.0f},
                    const OrbColor& colour = OrbColor{});

    OrbRect bounds() const override { return rect_; }
    void moveBy(OrbPoint offset) override;
    void draw(const OrbColor& tint) override;

    void setTexture(OrbTexture* texture) { texture_ = texture; }
    OrbTexture* texture() const { return texture_; }
    void setRect(const OrbRect& rect) { rect_ = rect; }
    void setTextureRect(const OrbRect& textureRect) { textureRect_ = textureRect; }
    void setColour(const OrbColor& colour) { colour_ = colour; }
    const OrbColor& colour() const { return colour_; }

private:
    OrbTexture* texture_;
    OrbRect rect_;
    OrbRect textureRect_;
    OrbColor colour_;
};
