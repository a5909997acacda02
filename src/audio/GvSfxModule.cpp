#include "audio/GvSfxModule.h"

#include "audio/OrbOscillator.h"

#include <array>

namespace {

constexpr int kSine = OrbOscillator::kSine;
constexpr int kTriangle = OrbOscillator::kTriangle;
constexpr int kNoise = OrbOscillator::kNoise;

constexpr OrbSfxDefinition row(float gain, int wave, unsigned minHz, unsigned maxHz, int loops,
                               double attack, double decay, float sustain, double hold,
                               double release, double ratio) {
    return {gain,  wave,    minHz, maxHz,   0.5,   loops, 1.0f, attack,
            decay, sustain, hold,  release, kSine, ratio, 0.5};
}

// gain, waveform, frequency range, loops, attack, decay, sustain, hold, release, ring ratio
constexpr std::array<OrbSfxDefinition, GvSfxModule::kSoundCount> kTable = {{
    row(0.18f, kNoise, 700, 700, 0, 8, 200, 0.5f, 0, 550, 0),     // player appears
    row(0.04f, kNoise, 500, 500, 0, 24, 6, 0.5f, 20, 6, 0),       // step into space
    row(0.04f, kNoise, 900, 900, 0, 24, 6, 0.5f, 20, 6, 0),       // dig dirt
    row(0.37f, kSine, 800, 800, 0, 12, 24, 0.2f, 30, 100, 1.61),  // diamond collected
    row(0.18f, kNoise, 700, 700, 0, 8, 200, 0.5f, 0, 550, 0),     // quota reached
    row(0.15f, kNoise, 140, 140, 0, 2, 20, 0.5f, 6, 500, 0),      // boulder
    row(0.18f, kTriangle, 2160, 4095, 0, 2, 6, 0.5f, 20, 300, 0), // diamond moving
    row(0.15f, kNoise, 666, 666, 0, 2, 20, 0.5f, 6, 300, 0),      // bomb moving
    row(0.15f, kSine, 800, 800, 1, 4, 26, 0.0f, 50, 0, 0),        // bomb ticking
    row(0.09f, kTriangle, 125, 484, 1, 24, 8, 0.0f, 8, 0, 0),     // amoeba
    row(0.07f, kTriangle, 2048, 2559, 1, 2, 6, 0.67f, 15, 6, 0),  // magic wall
    row(0.18f, kNoise, 300, 300, 0, 8, 600, 0.5f, 0, 1400, 0),    // explosion
    row(0.15f, kNoise, 70, 70, 0, 2, 20, 0.7f, 6, 500, 0),        // growing wall
    row(0.18f, kTriangle, 609, 609, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 0
    row(0.18f, kTriangle, 593, 593, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 1
    row(0.18f, kTriangle, 578, 578, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 2
    row(0.18f, kTriangle, 562, 562, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 3
    row(0.18f, kTriangle, 546, 546, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 4
    row(0.18f, kTriangle, 531, 531, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 5
    row(0.18f, kTriangle, 515, 515, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 6
    row(0.18f, kTriangle, 500, 500, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 7
    row(0.18f, kTriangle, 484, 484, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 8
    row(0.18f, kTriangle, 468, 468, 0, 2, 900, 0.0f, 0, 6, 1.61), // time warning 9
    row(0.45f, kSine, 600, 600, 0, 12, 24, 0.2f, 30, 100, 1.61),  // volume changed
}};

} // namespace

GvSfxModule::GvSfxModule(uint32_t seed) : OrbSimpleSfxVoiceGroup(kSampleRate, kTable, seed) {}

std::span<const OrbSfxDefinition> GvSfxModule::soundTable() {
    return kTable;
}
