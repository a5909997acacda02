#pragma once

#include "ui/GvText.h"
#include "ui/GvUiColours.h"

// A small caption, in the label colour.
class GvTinyLabel : public GvText {
public:
    static constexpr float kSize = 3.0f;

    GvTinyLabel(OrbControl* parent, const GvUiResources* resources, std::string text,
                OrbPoint anchor, int alignment = 0)
        : GvText(parent, resources, std::move(text), anchor, kSize, GvUiColours::get().label,
                 alignment) {}
};
