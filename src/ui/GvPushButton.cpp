#include "ui/GvPushButton.h"

#include "graphics/OrbFont.h"
#include "graphics/OrbTexture.h"
#include "ui/GvUiColours.h"

#include <algorithm>

GvPushButton::GvPushButton(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                           std::string text, std::unique_ptr<OrbCallback> callback,
                           bool focusOnClick, bool autoRepeat)
    : OrbButtonControl(parent, rect, std::move(callback), focusOnClick, autoRepeat),
      resources_(resources), text_(std::move(text)) {}

OrbColor GvPushButton::textColour() const {
    const GvUiColours& colours = GvUiColours::get();
    if (isPressed()) {
        return colours.pushPressed;
    }
    if (isFocused()) {
        return colours.focusedText;
    }
    return isHighlighted() ? colours.pushHighlighted : colours.pushNormal;
}

OrbColor GvPushButton::disabledTint() const {
    return GvUiColours::get().pushDisabledTint;
}

OrbColor GvPushButton::effectiveTint(const OrbColor& tint) const {
    return isEnabled() ? tint : tinted(tint, disabledTint());
}

void GvPushButton::draw(const OrbColor& tint) {
    const OrbColor buttonTint = effectiveTint(tint);
    if (buttonTint.a <= 0.0f) {
        return;
    }
    const OrbRect r = bounds();
    drawFrame(resources_, r, isPressed(), buttonTint);
    drawLabel(resources_, r, text_, tinted(textColour(), buttonTint));
}

void GvPushButton::drawFrame(const GvUiResources* resources, const OrbRect& rect, bool pressed,
                             const OrbColor& colour) {
    if (resources == nullptr) {
        return;
    }
    OrbTexture* texture = pressed && resources->buttonPressed != nullptr ? resources->buttonPressed
                                                                         : resources->button;
    if (texture == nullptr || colour.a <= 0.0f) {
        return;
    }
    // Caps are half as wide as the button is high; a button narrower than its
    // height shows only its caps, squeezed.
    const float cap = std::min(rect.height / 2.0f, rect.width / 2.0f);
    const float middle = rect.width - 2.0f * cap;
    texture->addQuad(OrbRect{rect.x, rect.y, cap, rect.height}, OrbRect{0.0f, 0.0f, 0.5f, 1.0f},
                     colour);
    if (middle > 0.0f) {
        texture->addQuad(OrbRect{rect.x + cap, rect.y, middle, rect.height},
                         OrbRect{0.5f, 0.0f, 0.0f, 1.0f}, colour);
    }
    texture->addQuad(OrbRect{rect.x + cap + middle, rect.y, cap, rect.height},
                     OrbRect{0.5f, 0.0f, 0.5f, 1.0f}, colour);
    texture->flush();
}

void GvPushButton::drawLabel(const GvUiResources* resources, const OrbRect& rect,
                             const std::string& text, const OrbColor& colour) {
    if (resources == nullptr || resources->font == nullptr || text.empty() || colour.a <= 0.0f) {
        return;
    }
    resources->font->drawTextNow(OrbPoint{rect.x + rect.width / 2.0f, rect.y + rect.height / 2.0f},
                                 text, rect.height * kLabelScale, colour, GvUiResources::kFontFlags,
                                 OrbFont::kAlignCentre | OrbFont::kAlignMiddle);
}
