#include "ui/GvMenuButton.h"

#include "graphics/OrbFont.h"
#include "ui/GvUiColours.h"

GvMenuButton::GvMenuButton(OrbControl* parent, const GvUiResources* resources, OrbPoint centre,
                           std::string text, std::unique_ptr<OrbCallback> callback)
    : GvTextButton(parent, resources,
                   textRect(resources, text, kTextSize, centre,
                            OrbFont::kAlignCentre | OrbFont::kAlignMiddle),
                   text, kTextSize, std::move(callback)) {}

void GvMenuButton::setHighlighted(bool highlighted) {
    GvTextButton::setHighlighted(highlighted);
    if (highlighted) {
        setFocused(true);
    }
}

OrbColor GvMenuButton::textColour() const {
    const GvUiColours& colours = GvUiColours::get();
    if (isPressed()) {
        return colours.menuPressed;
    }
    return isFocused() ? colours.focusedText : colours.menuNormal;
}
