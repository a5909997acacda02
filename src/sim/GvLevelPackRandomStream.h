#pragma once

#include "sim/GvRandomStream.h"

#include <cstdint>

// The 8-bit cave-drawing generator that the published cave format documents, so
// that caves drawn with seeds 0..255 come out as designed there.
class GvLevelPackRandomStream : public GvRandomStream {
public:
    explicit GvLevelPackRandomStream(std::uint8_t seed) : seed_a(seed) {}

    // Returns a value 0..255.
    std::uint32_t next() override;

    std::uint8_t seed_a = 0;
    std::uint8_t seed_b = 0;
};
