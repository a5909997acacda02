#pragma once

#include "ui/GvText.h"
#include "ui/GvUiColours.h"

// The smallest value line (file and cave names), in the field colour.
class GvTinyField : public GvText {
public:
    static constexpr float kSize = 3.0f;

    GvTinyField(OrbControl* parent, const GvUiResources* resources, std::string text,
                OrbPoint anchor, int alignment = 0)
        : GvText(parent, resources, std::move(text), anchor, kSize, GvUiColours::get().field,
                 alignment) {}
};
