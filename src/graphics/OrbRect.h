#pragma once

#include "graphics/OrbPoint.h"

// A rectangle on a canvas or in texture space, y pointing up: (x, y) is the
// bottom-left corner.
struct OrbRect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    bool operator==(const OrbRect&) const = default;
};
