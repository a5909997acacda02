#include "ui/GvTextButton.h"

#include "graphics/OrbFont.h"

GvTextButton::GvTextButton(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                           std::string text, float textSize, std::unique_ptr<OrbCallback> callback,
                           bool focusOnClick, bool autoRepeat)
    : OrbButtonControl(parent, rect, std::move(callback), focusOnClick, autoRepeat),
      resources_(resources), text_(std::move(text)), textSize_(textSize) {}

void GvTextButton::draw(const OrbColor& tint) {
    OrbFont* font = resources_ != nullptr ? resources_->font : nullptr;
    if (font == nullptr || text_.empty()) {
        return;
    }
    const OrbRect r = bounds();
    font->drawTextNow(OrbPoint{r.x + r.width / 2.0f, r.y + r.height / 2.0f}, text_, textSize_,
                      tinted(textColour(), tint), GvUiResources::kFontFlags,
                      OrbFont::kAlignCentre | OrbFont::kAlignMiddle);
}

OrbRect GvTextButton::textRect(const GvUiResources* resources, const std::string& text,
                               float textSize, OrbPoint anchor, int alignment) {
    const float width =
        resources != nullptr && resources->font != nullptr
            ? resources->font->textWidth(text, textSize, GvUiResources::kFontFlags, 1.0f, true)
            : 0.0f;
    return placeRect(anchor, width, textSize, alignment);
}
