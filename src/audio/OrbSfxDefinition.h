#pragma once

// One synthesized sound effect: its mixer gain, carrier tone, envelope (times in
// milliseconds) and optional ring modulator.
struct OrbSfxDefinition {
    float voiceGain;
    int waveform;
    unsigned minFrequency;
    // When it differs from the minimum, each note picks a frequency in [min, max).
    unsigned maxFrequency;
    double pulseWidth;
    int loops; // 1: restarts whenever its envelope ends while still requested
    float peak;
    double attack;
    double decay;
    float sustain;
    double hold;
    double release;
    int modulatorWaveform;
    double modulatorRatio; // modulator frequency / carrier frequency; 0 = no modulation
    double modulatorPulseWidth;
};
