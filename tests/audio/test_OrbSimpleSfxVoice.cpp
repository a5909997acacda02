#include "audio/GvSfxModule.h"
#include "audio/OrbSimpleSfxVoice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kBlock = 2205;

OrbSfxDefinition tableRow(int index) {
    return GvSfxModule::soundTable()[index];
}

struct Rendered {
    bool sound;
    std::vector<float> samples;
};

Rendered renderBlock(OrbSimpleSfxVoice& voice) {
    Rendered r{false, std::vector<float>(kBlock, 7.0f)};
    r.sound = voice.render(kBlock, r.samples.data());
    return r;
}

} // namespace

TEST(OrbSimpleSfxVoice, NoteTakesTheRowsPitchAndRingModulator) {
    OrbSimpleSfxVoice diamond(44100, tableRow(3), 5);
    diamond.trigger(true);
    ASSERT_TRUE(renderBlock(diamond).sound);
    EXPECT_EQ(diamond.carrier().frequency(), 800);
    EXPECT_EQ(diamond.carrier().waveform(), OrbOscillator::kSine);
    ASSERT_TRUE(diamond.ringModulator().isModulating());
    EXPECT_EQ(diamond.ringModulator().modulator().frequency(), 1288); // 1.61 * 800
    EXPECT_EQ(diamond.randomState(), 5u) << "a fixed pitch leaves the generator alone";

    OrbSimpleSfxVoice warning(44100, tableRow(13), 5);
    warning.trigger(true);
    renderBlock(warning);
    EXPECT_EQ(warning.ringModulator().modulator().frequency(), 980); // 980.49 rounded

    OrbSimpleSfxVoice ticking(44100, tableRow(8), 5);
    ticking.trigger(true);
    renderBlock(ticking);
    EXPECT_FALSE(ticking.ringModulator().isModulating());
}

TEST(OrbSimpleSfxVoice, RandomPitchFromTheVoicesGenerator) {
    // Seed 0: states 41 and 2,831,870; halves swapped and reduced into [2160, 4095).
    OrbSimpleSfxVoice voice(44100, tableRow(6), 0);
    voice.trigger(true);
    renderBlock(voice);
    EXPECT_EQ(voice.randomState(), 41u);
    EXPECT_EQ(voice.carrier().frequency(), 3356);

    voice.trigger(true); // new note after the fade of the first
    renderBlock(voice);
    EXPECT_EQ(voice.randomState(), 2831870u);
    EXPECT_EQ(voice.carrier().frequency(), 3440);

    // A range written upside down still yields pitches inside it.
    OrbSfxDefinition reversed = tableRow(6);
    reversed.minFrequency = 500;
    reversed.maxFrequency = 400;
    OrbSimpleSfxVoice upsideDown(44100, reversed, 0);
    for (int note = 0; note < 20; ++note) {
        upsideDown.trigger(true);
        renderBlock(upsideDown);
        EXPECT_GE(upsideDown.carrier().frequency(), 400);
        EXPECT_LT(upsideDown.carrier().frequency(), 500);
    }
}

TEST(OrbSimpleSfxVoice, RepeatedRequestsInOneBlockStartOneNote) {
    OrbSimpleSfxVoice voice(44100, tableRow(6), 0);
    voice.trigger(true);
    voice.trigger(true);
    voice.trigger(true);
    const Rendered first = renderBlock(voice);
    ASSERT_TRUE(first.sound);
    EXPECT_EQ(voice.randomState(), 41u) << "exactly one note started";
    EXPECT_FALSE(voice.envelope().isReleasing());
    const Rendered second = renderBlock(voice);
    ASSERT_TRUE(second.sound);
    EXPECT_EQ(voice.randomState(), 41u) << "no request was left over for later";
}

TEST(OrbSimpleSfxVoice, RetriggerFadesTheSoundingNoteThenRestartsInTheSameBlock) {
    OrbSimpleSfxVoice voice(44100, tableRow(6), 0);
    voice.trigger(true);
    ASSERT_TRUE(renderBlock(voice).sound);
    const float levelBefore = voice.envelope().level(); // partway down the 300 ms release
    ASSERT_GT(levelBefore, 0.4f);

    voice.trigger(true);
    const Rendered block = renderBlock(voice);
    ASSERT_TRUE(block.sound);
    // The old note fades at 1/176 per frame and ends on a frame of level 0.
    const int fadeFrames = static_cast<int>(levelBefore * 176.0f);
    int firstZero = -1;
    for (int i = 0; i < kBlock && firstZero < 0; ++i) {
        if (block.samples[i] == 0.0f) {
            firstZero = i;
        }
    }
    EXPECT_GE(firstZero, fadeFrames - 2);
    EXPECT_LE(firstZero, fadeFrames + 2);
    int laterSound = 0;
    for (int i = firstZero + 1; i < kBlock; ++i) {
        laterSound += block.samples[i] != 0.0f;
    }
    EXPECT_GT(laterSound, 1000) << "the new note sounds in the rest of the block";
    EXPECT_EQ(voice.randomState(), 2831870u);
    EXPECT_FALSE(voice.envelope().isReleasing());
}

TEST(OrbSimpleSfxVoice, LoopingSoundRestartsWheneverItsEnvelopeEnds) {
    // The bomb tick: 176 + 1147 + 2205 + 1 frames per note, silent after its decay.
    OrbSimpleSfxVoice voice(44100, tableRow(8), 0);
    std::vector<float> all;
    for (int b = 0; b < 10; ++b) {
        voice.trigger(true); // requested on every frame of the game
        voice.trigger(true);
        const Rendered r = renderBlock(voice);
        ASSERT_TRUE(r.sound) << "block " << b;
        all.insert(all.end(), r.samples.begin(), r.samples.end());
    }
    constexpr int kNote = 3529;
    for (int onset = 0; onset + kNote < static_cast<int>(all.size()); onset += kNote) {
        EXPECT_GT(std::fabs(all[onset + 100]), 0.05f) << "attack of the note at " << onset;
        EXPECT_LT(std::fabs(all[onset + kNote - 100]), 1e-5f)
            << "hold at level 0 before " << onset + kNote;
    }
}

TEST(OrbSimpleSfxVoice, StopEndsALoopingSoundWithinFourMilliseconds) {
    OrbSimpleSfxVoice voice(44100, tableRow(10), 0);
    voice.trigger(true);
    ASSERT_TRUE(renderBlock(voice).sound);
    ASSERT_TRUE(voice.isSounding());
    voice.trigger(false);
    const Rendered r = renderBlock(voice);
    ASSERT_TRUE(r.sound);
    EXPECT_NE(r.samples[5], 0.0f);
    for (int i = 177; i < kBlock; ++i) {
        ASSERT_EQ(r.samples[i], 0.0f) << "frame " << i;
    }
    EXPECT_FALSE(voice.isSounding());
    EXPECT_FALSE(renderBlock(voice).sound);
    EXPECT_FALSE(renderBlock(voice).sound) << "a stopped loop stays stopped";
}

TEST(OrbSimpleSfxVoice, NonLoopingSoundPlaysOnceAndStopIsQuiet) {
    OrbSimpleSfxVoice voice(44100, tableRow(1), 0); // 56 ms step sound
    EXPECT_FALSE(renderBlock(voice).sound) << "nothing requested yet";
    voice.trigger(true);
    ASSERT_TRUE(renderBlock(voice).sound);
    EXPECT_TRUE(renderBlock(voice).sound);
    EXPECT_FALSE(renderBlock(voice).sound);
    EXPECT_FALSE(renderBlock(voice).sound) << "a held request does not repeat a one-shot";

    voice.trigger(false); // stop on a silent voice starts nothing
    EXPECT_FALSE(renderBlock(voice).sound);
}

TEST(OrbSimpleSfxVoice, RequestNumbersWrapWithoutLosingARequest) {
    // 128 request numbers: after a full turn the byte would repeat an earlier one,
    // but never the one just before it.
    OrbSimpleSfxVoice voice(44100, tableRow(6), 0);
    for (int i = 0; i < 300; ++i) {
        voice.trigger(i % 2 == 0);
        renderBlock(voice);
        EXPECT_EQ(voice.isSounding() && !voice.envelope().isReleasing(), i % 2 == 0) << i;
        renderBlock(voice); // let any fade finish
    }
}
