#pragma once

#include "ui/GvText.h"
#include "ui/GvUiColours.h"

// A value shown next to its caption, in the field colour.
class GvField : public GvText {
public:
    static constexpr float kSize = 5.0f;

    GvField(OrbControl* parent, const GvUiResources* resources, std::string text, OrbPoint anchor,
            int alignment = 0)
        : GvText(parent, resources, std::move(text), anchor, kSize, GvUiColours::get().field,
                 alignment) {}
};
