#pragma once

#include "audio/OrbOscillator.h"

#include <vector>

// A carrier oscillator optionally multiplied sample by sample with a second
// oscillator, which gives the metallic, bell-like tones of several effects.
class OrbRingModulator : public OrbAudioModule {
public:
    explicit OrbRingModulator(int sampleRate);

    OrbOscillator& carrier() { return *carrier_; }
    const OrbOscillator& carrier() const { return *carrier_; }
    const OrbOscillator& modulator() const { return modulator_; }
    bool isModulating() const { return modulating_; }

    void setModulator(int waveform, int frequency, double pulseWidth);
    void disableModulator() { modulating_ = false; }

    bool render(int frames, void* out) override;

private:
    OrbOscillator* carrier_; // owned as the module's source
    bool modulating_ = false;
    OrbOscillator modulator_;
    std::vector<float> scratch_;
};
