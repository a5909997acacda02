#include "ui/GvLinkButton.h"

#include "ui/GvUiColours.h"

GvLinkButton::GvLinkButton(OrbControl* parent, const GvUiResources* resources, OrbPoint anchor,
                           int alignment, std::string text, float textSize,
                           std::unique_ptr<OrbCallback> callback)
    : GvTextButton(parent, resources, textRect(resources, text, textSize, anchor, alignment), text,
                   textSize, std::move(callback)) {}

OrbColor GvLinkButton::textColour() const {
    const GvUiColours& colours = GvUiColours::get();
    if (isPressed()) {
        return colours.linkPressed;
    }
    return isFocused() || isHighlighted() ? colours.linkHot : colours.linkNormal;
}
