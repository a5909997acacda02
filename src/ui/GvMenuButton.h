#pragma once

#include "ui/GvTextButton.h"

// An entry of the title menu: a large text whose colour shows whether it is
// pressed or focused. Pointing at it focuses it, so mouse and keyboard share one
// marker.
class GvMenuButton : public GvTextButton {
public:
    static constexpr float kTextSize = 8.0f;

    // Centred on a point, as large as its text.
    GvMenuButton(OrbControl* parent, const GvUiResources* resources, OrbPoint centre,
                 std::string text, std::unique_ptr<OrbCallback> callback);

    void setHighlighted(bool highlighted) override;
    OrbColor textColour() const override;
};
