#pragma once

#include "audio/OrbSimpleSfxVoiceGroup.h"

#include <cstdint>
#include <span>

// The game's sound effects: 24 synthesized voices, one per world sound request, mixed
// to mono at 44,100 Hz. Sounds 8, 9 and 10 loop while they stay requested.
class GvSfxModule : public OrbSimpleSfxVoiceGroup {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kSoundCount = 24;

    // `seed` varies the random pitches from run to run; the caller chooses it (the
    // game from the clock, tests and tools a fixed value).
    explicit GvSfxModule(uint32_t seed);

    static std::span<const OrbSfxDefinition> soundTable();
};
