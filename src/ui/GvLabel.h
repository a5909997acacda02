#pragma once

#include "ui/GvText.h"
#include "ui/GvUiColours.h"

// A caption in front of a value, in the label colour.
class GvLabel : public GvText {
public:
    static constexpr float kSize = 5.0f;

    GvLabel(OrbControl* parent, const GvUiResources* resources, std::string text, OrbPoint anchor,
            int alignment = 0)
        : GvText(parent, resources, std::move(text), anchor, kSize, GvUiColours::get().label,
                 alignment) {}
};
