#pragma once

#include "ui/GvUiResources.h"
#include "ui/OrbTextControl.h"

// A text in the game's font; disabling it hides it, which is how dialogs show
// and hide optional lines.
class GvText : public OrbTextControl {
public:
    static constexpr float kDefaultSize = 4.0f;

    GvText(OrbControl* parent, const GvUiResources* resources, std::string text, OrbPoint anchor,
           float size, const OrbColor& colour, int alignment = 0);

    void draw(const OrbColor& tint) override;
};
