#pragma once

#include <cstdint>

// The sine of a 32-bit phase (a whole turn is 2^32) as a float. The angle is
// formed as 2 pi phase / 2^32 in double, as a plain call of the library sine would
// form it, and the result is exactly the float that library call gives: a table
// and a short series give the double value, and the few values too close to a
// float rounding boundary to be certain are handed to the library itself.
class OrbSine {
public:
    static float at(uint32_t phase);
    // `count` values from `phase` on, the phase moving by `increment` (wrapping).
    static void fill(uint32_t phase, uint32_t increment, int count, float* out);
};
