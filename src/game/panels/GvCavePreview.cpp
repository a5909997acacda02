#include "game/panels/GvCavePreview.h"

#include "graphics/OrbFont.h"
#include "graphics/OrbRenderToTexture.h"
#include "ui/GvUiColours.h"

GvCavePreview::GvCavePreview(OrbControl* parent, const GvUiResources* resources,
                             const OrbRect& rect)
    : OrbControl(parent), resources_(resources), rect_(rect) {
    setFocusOnClick(false);
}

void GvCavePreview::moveBy(OrbPoint offset) {
    rect_.x += offset.x;
    rect_.y += offset.y;
}

void GvCavePreview::show(OrbRenderToTexture* picture, bool locked) {
    picture_ = picture;
    locked_ = locked;
}

void GvCavePreview::draw(const OrbColor& tint) {
    const OrbColor red = tinted(GvUiColours::make(0.8f, 0.0f, 0.0f), tint);
    // Texts scale with the picture, laid out for one 32 units high.
    const float unit = rect_.height / 32.0f;
    const OrbPoint centre{rect_.x + rect_.width / 2.0f, rect_.y + rect_.height / 2.0f};
    if (picture_ != nullptr) {
        picture_->addQuad(rect_, tint);
        picture_->flush();
    }
    OrbFont* font = resources_ != nullptr ? resources_->font : nullptr;
    if (font == nullptr) {
        return;
    }
    if (picture_ != nullptr) {
        if (locked_) {
            font->drawTextNow(centre, "?", 20.0f * unit, red, 0,
                              OrbFont::kAlignCentre | OrbFont::kAlignMiddle);
        }
        return;
    }
    font->drawText({centre.x, centre.y + 0.5f * unit}, "No Preview", 4.0f * unit, red, 0,
                   OrbFont::kAlignCentre | OrbFont::kAlignBottom);
    font->drawText({centre.x, centre.y - 0.5f * unit}, "Available", 4.0f * unit, red, 0,
                   OrbFont::kAlignCentre | OrbFont::kAlignTop);
    font->flushGlyphs();
}
