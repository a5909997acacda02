#pragma once

// An RGBA colour with float channels, nominally 0 to 1.
struct OrbColor {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;

    bool operator==(const OrbColor&) const = default;
};
