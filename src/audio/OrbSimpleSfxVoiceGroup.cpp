#include "audio/OrbSimpleSfxVoiceGroup.h"

OrbSimpleSfxVoiceGroup::OrbSimpleSfxVoiceGroup(int sampleRate,
                                               std::span<const OrbSfxDefinition> table,
                                               uint32_t seed)
    : OrbVoiceGroup(kMonoFloat, sampleRate, true) {
    voices_.reserve(table.size());
    for (const OrbSfxDefinition& row : table) {
        auto voice = std::make_unique<OrbSimpleSfxVoice>(sampleRate, row, seed);
        voices_.push_back(voice.get());
        addVoice(std::move(voice), row.voiceGain);
    }
}

OrbSimpleSfxVoice* OrbSimpleSfxVoiceGroup::sfxVoice(int index) const {
    if (index < 0 || index >= static_cast<int>(voices_.size())) {
        return nullptr;
    }
    return voices_[index];
}

void OrbSimpleSfxVoiceGroup::play(int index) {
    if (OrbSimpleSfxVoice* v = sfxVoice(index)) {
        v->trigger(true);
    }
}

void OrbSimpleSfxVoiceGroup::stop(int index) {
    if (OrbSimpleSfxVoice* v = sfxVoice(index)) {
        v->trigger(false);
    }
}
