#pragma once

#include "audio/OrbAudioModule.h"

#include <cstdint>

// A mono float tone generator with a 32-bit phase accumulator. Besides the four
// periodic waveforms it has a shift-register noise source that is clocked sixteen
// times per cycle, so noise has a pitch too.
class OrbOscillator : public OrbAudioModule {
public:
    static constexpr int kSine = 0;
    static constexpr int kPulse = 1;
    static constexpr int kSawtooth = 2;
    static constexpr int kTriangle = 3;
    static constexpr int kNoise = 4;
    static constexpr uint32_t kInitialNoiseRegister = 0x7FFFF8;

    explicit OrbOscillator(int sampleRate);

    // Stores the tone and restarts the cycle: the phase goes back to 0 and the phase
    // increment becomes frequency * floor((2^32 - 1) / sample rate), wrapping in 32 bits.
    void setup(int waveform, int frequency, double pulseWidth);

    // Always produces sound; an unknown waveform produces zeros.
    bool render(int frames, void* out) override;

    int sampleRate() const { return sampleRate_; }
    int waveform() const { return waveform_; }
    int frequency() const { return frequency_; }
    double pulseWidth() const { return pulseWidth_; }
    uint32_t phase() const { return phase_; }
    void setPhase(uint32_t phase) { phase_ = phase; }
    uint32_t phaseIncrement() const { return phaseIncrement_; }
    uint32_t noiseRegister() const { return noiseRegister_; }

    // The 8-bit value the noise waveform reads from a register state.
    static unsigned noiseValue(uint32_t reg);

private:
    // The noise waveform's output for a register state.
    static float noiseSample(uint32_t reg);

    int sampleRate_;
    int waveform_ = kSine;
    int frequency_ = 0;
    double pulseWidth_ = 0.5;
    uint32_t phase_ = 0;
    uint32_t phaseIncrement_ = 0;
    uint32_t noiseRegister_ = kInitialNoiseRegister;
};
