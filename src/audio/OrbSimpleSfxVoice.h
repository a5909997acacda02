#pragma once

#include "audio/OrbRingModulator.h"
#include "audio/OrbSfxDefinition.h"
#include "audio/OrbVoice.h"

#include <atomic>
#include <cstdint>

// One sound effect as a voice. The game thread only ever writes a request byte
// through `trigger`; the output thread notices a changed byte at its next update and
// starts, restarts or fades the note, so no lock is needed between the two.
class OrbSimpleSfxVoice : public OrbVoice {
public:
    // `seed` starts the generator that picks note frequencies.
    OrbSimpleSfxVoice(int sampleRate, const OrbSfxDefinition& definition, uint32_t seed);

    // Game thread. Each call writes a byte different from the one before, so even a
    // repeated play is seen as a new request.
    void trigger(bool on);

    const OrbSfxDefinition& definition() const { return definition_; }
    // Output thread only.
    const OrbRingModulator& ringModulator() const { return *ring_; }
    const OrbOscillator& carrier() const { return *carrier_; }
    uint32_t randomState() const { return random_; }

protected:
    void update() override;

private:
    void startNote();
    uint32_t nextRandom();

    OrbSfxDefinition definition_;
    OrbRingModulator* ring_;
    OrbOscillator* carrier_;
    std::atomic<uint8_t> request_{0};
    uint8_t nextRequest_ = 1; // game thread only, 7 bits
    uint8_t lastHandled_ = 0; // output thread only
    uint32_t random_;
};
