#pragma once

#include "ArtCanvas.h"

// Shapes drawn in more than one picture.

// A four-pointed glint with a soft halo, alpha only; q is the offset from its
// centre and 'radius' the reach of its rays (same units).
inline float starGlow(V2 q, float radius) {
    const float r = length(q) / radius;
    if (r >= 1) {
        return 0;
    }
    const float ax = std::fabs(q.x) / radius, ay = std::fabs(q.y) / radius;
    const float core = std::exp(-r * r * 28);
    const float halo = 0.5f * std::exp(-r * r * 7);
    const float rays = std::max(std::exp(-ay * 24) * (1 - ax), std::exp(-ax * 24) * (1 - ay));
    const V2 d = rotate(q, kPi / 4);
    const float dx = std::fabs(d.x) / radius, dy = std::fabs(d.y) / radius;
    const float diag = 0.5f * std::max(std::exp(-dy * 40) * std::max(0.0f, 1 - dx * 2.2f),
                                       std::exp(-dx * 40) * std::max(0.0f, 1 - dy * 2.2f));
    const float fade = 1 - smoothstep(0.8f, 1.0f, r);
    return clamp01(std::max({core, halo, rays, diag}) * fade);
}

// The gem of the diamond set, frame 0..3 of its shimmer, at p in tile units
// (0..1) with the given pixel size in the same units.
C4 shadeDiamond(V2 p, float pixel, int frame);
