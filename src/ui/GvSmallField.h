#pragma once

#include "ui/GvText.h"
#include "ui/GvUiColours.h"

// A smaller value line, in the field colour.
class GvSmallField : public GvText {
public:
    static constexpr float kSize = 4.0f;

    GvSmallField(OrbControl* parent, const GvUiResources* resources, std::string text,
                 OrbPoint anchor, int alignment = 0)
        : GvText(parent, resources, std::move(text), anchor, kSize, GvUiColours::get().field,
                 alignment) {}
};
