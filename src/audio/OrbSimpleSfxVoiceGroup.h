#pragma once

#include "audio/OrbSfxDefinition.h"
#include "audio/OrbSimpleSfxVoice.h"
#include "audio/OrbVoiceGroup.h"

#include <cstdint>
#include <span>
#include <vector>

// A limited mono mixer with one effect voice per table row, played by row index.
class OrbSimpleSfxVoiceGroup : public OrbVoiceGroup {
public:
    // Every voice's frequency generator starts from `seed`.
    OrbSimpleSfxVoiceGroup(int sampleRate, std::span<const OrbSfxDefinition> table, uint32_t seed);

    // Game thread; an index outside the table is ignored.
    void play(int index);
    void stop(int index);

    OrbSimpleSfxVoice* sfxVoice(int index) const;

private:
    std::vector<OrbSimpleSfxVoice*> voices_; // borrowed from the mixer's entries
};
