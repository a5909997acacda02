#include "audio/OrbSimpleSfxVoice.h"

#include <algorithm>
#include <cmath>

OrbSimpleSfxVoice::OrbSimpleSfxVoice(int sampleRate, const OrbSfxDefinition& definition,
                                     uint32_t seed)
    : OrbVoice(std::make_unique<OrbRingModulator>(sampleRate), sampleRate), definition_(definition),
      ring_(static_cast<OrbRingModulator*>(source())), carrier_(&ring_->carrier()), random_(seed) {
    static_assert(std::atomic<uint8_t>::is_always_lock_free);
}

void OrbSimpleSfxVoice::trigger(bool on) {
    request_.store(static_cast<uint8_t>((on ? 1 : 0) + 2 * nextRequest_),
                   std::memory_order_release);
    nextRequest_ = static_cast<uint8_t>((nextRequest_ + 1) % 128);
}

uint32_t OrbSimpleSfxVoice::nextRandom() {
    random_ = random_ * 69069u + 41u;
    return (random_ << 16) | (random_ >> 16);
}

void OrbSimpleSfxVoice::update() {
    const uint8_t r = request_.load(std::memory_order_acquire);
    OrbEnvelope& env = editEnvelope();
    if (r != lastHandled_) {
        if ((r & 1) == 0) {
            env.stopNote(false);
        } else if (!env.isActive()) {
            startNote();
        } else if (!definition_.loops) {
            // Leave the request unhandled: the new note starts at the first update
            // after the fade has finished, which may be later in this same block.
            env.stopNote(false);
            return;
        }
        lastHandled_ = r;
    }
    if ((r & 1) != 0 && !env.isActive() && definition_.loops) {
        startNote();
    }
}

void OrbSimpleSfxVoice::startNote() {
    const OrbSfxDefinition& d = definition_;
    editEnvelope().start(d.peak, d.attack, d.decay, d.sustain, d.hold, d.release);
    unsigned f = d.minFrequency;
    if (d.maxFrequency != d.minFrequency) {
        // A range given upside down is read the right way round rather than letting
        // the unsigned width wrap into absurd pitches.
        const unsigned lo = std::min(d.minFrequency, d.maxFrequency);
        const unsigned hi = std::max(d.minFrequency, d.maxFrequency);
        f = lo + (nextRandom() & 0x7FFFFFFFu) % (hi - lo);
    }
    carrier_->setup(d.waveform, static_cast<int>(f), d.pulseWidth);
    const double m = std::floor(d.modulatorRatio * f + 0.5);
    if (m != 0.0) {
        ring_->setModulator(d.modulatorWaveform, static_cast<int>(m), d.modulatorPulseWidth);
    } else {
        ring_->disableModulator();
    }
}
