#include "audio/OrbOscillator.h"
#include "audio/OrbRingModulator.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

float sampleAt(OrbOscillator& osc, uint32_t phase) {
    osc.setPhase(phase);
    float out = 99.0f;
    EXPECT_TRUE(osc.render(1, &out));
    return out;
}

} // namespace

TEST(OrbOscillator, PhaseIncrementIsWholeStepsPerHertzAndWraps) {
    OrbOscillator osc(44100);
    osc.setup(OrbOscillator::kSine, 1, 0.5);
    EXPECT_EQ(osc.phaseIncrement(), 97391u);
    osc.setup(OrbOscillator::kSine, 800, 0.5);
    EXPECT_EQ(osc.phaseIncrement(), 77912800u);
    // 50,000 Hz overflows 32 bits: 4,869,550,000 - 2^32.
    osc.setup(OrbOscillator::kSine, 50000, 0.5);
    EXPECT_EQ(osc.phaseIncrement(), 574582704u);

    osc.setup(OrbOscillator::kSawtooth, 800, 0.5);
    std::vector<float> out(3);
    osc.render(3, out.data());
    EXPECT_EQ(osc.phase(), 3u * 77912800u);
    osc.setup(OrbOscillator::kSawtooth, 800, 0.5);
    EXPECT_EQ(osc.phase(), 0u) << "setup restarts the cycle";
}

TEST(OrbOscillator, PeriodicWaveformsAtKnownPhases) {
    OrbOscillator osc(44100);
    osc.setup(OrbOscillator::kSine, 0, 0.5);
    EXPECT_FLOAT_EQ(sampleAt(osc, 0), 0.0f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 1u << 30), 1.0f);
    EXPECT_NEAR(sampleAt(osc, 1u << 31), 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(sampleAt(osc, 3u << 30), -1.0f);

    osc.setup(OrbOscillator::kPulse, 0, 0.5);
    EXPECT_EQ(sampleAt(osc, 0), 1.0f);
    EXPECT_EQ(sampleAt(osc, 0x7FFFFFFFu), 1.0f);
    EXPECT_EQ(sampleAt(osc, 0x80000000u), -1.0f);
    EXPECT_EQ(sampleAt(osc, 0xFFFFFFFFu), -1.0f);
    osc.setup(OrbOscillator::kPulse, 0, 0.25);
    EXPECT_EQ(sampleAt(osc, (1u << 30) - 1), 1.0f);
    EXPECT_EQ(sampleAt(osc, 1u << 30), -1.0f);

    osc.setup(OrbOscillator::kSawtooth, 0, 0.5);
    EXPECT_FLOAT_EQ(sampleAt(osc, 0), -1.0f);
    EXPECT_NEAR(sampleAt(osc, 1u << 31), 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(sampleAt(osc, 1u << 30), -0.5f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 0xFFFFFFFFu), 1.0f);

    osc.setup(OrbOscillator::kTriangle, 0, 0.5);
    EXPECT_FLOAT_EQ(sampleAt(osc, 0), 0.0f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 1u << 29), 0.5f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 1u << 30), 1.0f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 3u << 29), 0.5f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 1u << 31), 0.0f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 3u << 30), -1.0f);
    EXPECT_FLOAT_EQ(sampleAt(osc, 7u << 29), -0.5f);
    EXPECT_NEAR(sampleAt(osc, 0xFFFFFFFFu), 0.0f, 1e-6);

    osc.setup(99, 440, 0.5);
    EXPECT_EQ(sampleAt(osc, 12345), 0.0f) << "an unknown waveform is silent, not garbage";
}

TEST(OrbOscillator, NoiseRegisterSequence) {
    OrbOscillator osc(44100);
    EXPECT_EQ(osc.noiseRegister(), 0x7FFFF8u);
    EXPECT_EQ(OrbOscillator::noiseValue(0x7FFFF8u), 254u);
    EXPECT_EQ(OrbOscillator::noiseValue(0xFFFF0000u), 224u);
    EXPECT_EQ(OrbOscillator::noiseValue(0xFFF80001u), 192u);

    // 2756 Hz advances the phase by just under 2^28 per frame, so frame i (i >= 1)
    // reads the register after i - 1 clocks.
    osc.setup(OrbOscillator::kNoise, 2756, 0.5);
    ASSERT_EQ(osc.phaseIncrement(), 268409596u);
    std::vector<float> out(17);
    osc.render(17, out.data());
    EXPECT_FLOAT_EQ(out[0], 254 / 127.5f - 1);
    EXPECT_FLOAT_EQ(out[1], 254 / 127.5f - 1);
    EXPECT_FLOAT_EQ(out[14], 224 / 127.5f - 1); // 13 clocks: 0xFFFF0000
    EXPECT_FLOAT_EQ(out[15], 192 / 127.5f - 1); // 14 clocks: 0xFFFE0000
    // Fifteen shifts feed back 0 (bits 17 and 22 both set); the sixteenth feeds back 1.
    // Seventeen frames make sixteen clocks.
    EXPECT_EQ(osc.noiseRegister(), 0xFFF80001u);
    osc.render(1, out.data());
    EXPECT_EQ(osc.noiseRegister(), 0xFFF00003u);
}

TEST(OrbOscillator, NoiseClocksSixteenTimesPerCycleEvenForLargeSteps) {
    // 11025 Hz moves about four phase sixteenths per frame: the register must be
    // clocked for each of them, not once per frame.
    OrbOscillator fast(44100);
    fast.setup(OrbOscillator::kNoise, 11025, 0.5);
    std::vector<float> out(5);
    fast.render(4, out.data()); // 4 * 1,073,735,775 stops just short of a full cycle
    EXPECT_EQ(fast.noiseRegister(), 0xFFFC0000u);
    fast.render(1, out.data());
    EXPECT_EQ(fast.noiseRegister(), 0xFFC0000Fu) << "five frames cross 19 sixteenths";
}

TEST(OrbRingModulator, MultipliesCarrierByModulatorOnlyWhenEnabled) {
    OrbRingModulator ring(44100);
    ring.carrier().setup(OrbOscillator::kSawtooth, 0, 0.5);
    ring.carrier().setPhase(0); // constant -1
    float out = 0.0f;
    EXPECT_TRUE(ring.render(1, &out));
    EXPECT_FLOAT_EQ(out, -1.0f);

    ring.setModulator(OrbOscillator::kPulse, 0, 0.5); // constant +1 at phase 0
    EXPECT_TRUE(ring.isModulating());
    EXPECT_EQ(ring.modulator().waveform(), OrbOscillator::kPulse);
    ring.render(1, &out);
    EXPECT_FLOAT_EQ(out, -1.0f);
    ring.setModulator(OrbOscillator::kSine, 11025, 0.5);
    std::vector<float> block(3);
    ring.render(3, block.data());
    // Carrier stays -1; the modulating sine goes 0, ~1, ~0.
    EXPECT_FLOAT_EQ(block[0], 0.0f);
    EXPECT_NEAR(block[1], -1.0f, 1e-4);
    EXPECT_NEAR(block[2], 0.0f, 1e-4);

    ring.disableModulator();
    ring.render(1, &out);
    EXPECT_FLOAT_EQ(out, -1.0f);
}
