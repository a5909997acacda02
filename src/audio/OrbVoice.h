#pragma once

#include "audio/OrbAudioModule.h"
#include "audio/OrbEnvelope.h"

#include <vector>

// A sound source shaped by an envelope. Between notes, and at the start of every
// block, the voice asks `update` whether a new note should begin, so a note can end
// and the next one start inside the same block.
class OrbVoice : public OrbAudioModule {
public:
    // The source must produce float samples.
    OrbVoice(std::unique_ptr<OrbAudioModule> source, int sampleRate);

    bool render(int frames, void* out) override;

    // Output thread only: whether a note is sounding (or fading out).
    bool isSounding() const { return envelope_.isActive(); }
    const OrbEnvelope& envelope() const { return envelope_; }

protected:
    virtual void update() {}
    OrbEnvelope& editEnvelope() { return envelope_; }

private:
    OrbEnvelope envelope_;
    std::vector<float> scratch_;
};
