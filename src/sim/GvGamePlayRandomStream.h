#pragma once

#include "sim/GvRandomStream.h"

#include <cstdint>

// 32-bit linear congruential generator: drives every random game rule, draws
// caves with large seeds, and (as a separate instance) the world's looks.
class GvGamePlayRandomStream : public GvRandomStream {
public:
    explicit GvGamePlayRandomStream(std::uint32_t seed = 0) : state(seed) {}

    // Advances the state and returns it with its 16-bit halves swapped, so a
    // byte consumer gets bits 16..23 of the new state.
    std::uint32_t next() override;

    // A value in [0, 1]: the low 31 bits of next() divided by 2^31 - 1.
    float nextUnit();

    std::uint32_t state = 0;
};
