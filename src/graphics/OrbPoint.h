#pragma once

// A point on a canvas or in texture space.
struct OrbPoint {
    float x = 0.0f;
    float y = 0.0f;

    bool operator==(const OrbPoint&) const = default;
};
