#pragma once

#include "ui/GvTextButton.h"

// A text that opens an address, coloured like a hyperlink.
class GvLinkButton : public GvTextButton {
public:
    // Its rectangle is its text placed at the anchor with the font's alignment.
    GvLinkButton(OrbControl* parent, const GvUiResources* resources, OrbPoint anchor, int alignment,
                 std::string text, float textSize, std::unique_ptr<OrbCallback> callback);

    OrbColor textColour() const override;
};
