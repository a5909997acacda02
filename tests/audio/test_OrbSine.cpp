#include "audio/OrbSine.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

float librarySine(uint32_t phase) {
    return static_cast<float>(std::sin(2.0 * std::numbers::pi * phase / 4294967296.0));
}

} // namespace

// The fast sine must give the library's float bit for bit: around the zeros and
// peaks, at the table points and between them, and over a spread of the turn.
TEST(OrbSine, MatchesTheLibrarySineExactly) {
    std::vector<uint32_t> phases;
    for (const uint32_t centre : {0u, 1u << 30, 1u << 31, 3u << 30, 0xFFFFFFFFu, 1u << 22, 1u << 21,
                                  (1u << 31) + (1u << 21)}) {
        for (uint32_t k = 0; k < 4096; ++k) {
            phases.push_back(centre + k);
            phases.push_back(centre - k);
        }
    }
    uint32_t state = 12345;
    for (int k = 0; k < 2000000; ++k) {
        state = state * 1664525u + 1013904223u;
        phases.push_back(state);
    }
    int mismatches = 0;
    for (const uint32_t phase : phases) {
        if (std::bit_cast<uint32_t>(OrbSine::at(phase)) !=
            std::bit_cast<uint32_t>(librarySine(phase))) {
            ADD_FAILURE() << "phase " << phase;
            if (++mismatches > 10)
                break;
        }
    }
    // The batch form walks the phase, wrapping at the end of the turn.
    std::vector<float> batch(64);
    OrbSine::fill(0xFFFFFF00u, 7u << 20, 64, batch.data());
    for (uint32_t i = 0; i < 64; ++i)
        EXPECT_EQ(librarySine(0xFFFFFF00u + i * (7u << 20)), batch[i]) << i;
}
