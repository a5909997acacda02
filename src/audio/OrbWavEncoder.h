#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Wraps 16-bit PCM samples in a RIFF WAVE image, so rendered sounds can be listened
// to and compared outside the game.
class OrbWavEncoder {
public:
    // Interleaved samples; returns the whole file image, little-endian throughout.
    // Empty when the channel count or rate is unusable or the data would not fit the
    // format's 32-bit sizes.
    static std::vector<uint8_t> encode(std::span<const int16_t> samples, int channels,
                                       int sampleRate);
};
