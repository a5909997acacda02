#include "audio/OrbEnvelope.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Renders the whole envelope in pieces of `piece` frames.
std::vector<float> renderAll(OrbEnvelope& env, int piece = 100000) {
    std::vector<float> levels;
    std::vector<float> buf(piece);
    for (int guard = 0; env.isActive() && guard < 100000; ++guard) {
        const int n = env.render(piece, buf.data());
        levels.insert(levels.end(), buf.begin(), buf.begin() + n);
    }
    return levels;
}

} // namespace

TEST(OrbEnvelope, SegmentLengthsRoundToWholeSamples) {
    OrbEnvelope env(44100);
    EXPECT_EQ(env.samplesFor(12), 529);  // 529.2
    EXPECT_EQ(env.samplesFor(26), 1147); // 1146.6
    EXPECT_EQ(env.samplesFor(4), 176);
    EXPECT_EQ(env.samplesFor(-5), 0);

    env.start(1.0f, 12, 24, 0.2f, 30, 100);
    const std::vector<float> levels = renderAll(env);
    ASSERT_EQ(levels.size(), 529u + 1058u + 1323u + 4410u);
    EXPECT_NEAR(levels[0], 1.0f / 529, 1e-6);
    EXPECT_NEAR(levels[528], 1.0f, 1e-4); // peak at the end of the attack
    EXPECT_NEAR(levels[529 + 1057], 0.2f, 1e-4);
    EXPECT_NEAR(levels[529 + 1058 + 1322], 0.2f, 1e-4);
    EXPECT_NEAR(levels.back(), 0.0f, 1e-4);
    EXPECT_FALSE(env.isActive());
}

TEST(OrbEnvelope, PiecewiseRenderingMatchesOneGo) {
    OrbEnvelope whole(44100);
    OrbEnvelope pieces(44100);
    whole.start(1.0f, 2, 20, 0.5f, 6, 50);
    pieces.start(1.0f, 2, 20, 0.5f, 6, 50);
    EXPECT_EQ(renderAll(whole), renderAll(pieces, 37));
}

TEST(OrbEnvelope, ZeroLengthSegments) {
    OrbEnvelope env(44100);
    // A 0 ms release after other segments still lasts one frame: a ticking sound
    // ends one frame after its hold.
    env.start(1.0f, 4, 26, 0.0f, 50, 0);
    EXPECT_EQ(renderAll(env).size(), 176u + 1147u + 2205u + 1u);

    // A 0 ms attack puts the level at the peak before the first frame.
    env.start(0.8f, 0, 10, 0.5f, 0, 0);
    EXPECT_TRUE(env.isActive());
    EXPECT_FLOAT_EQ(env.level(), 0.8f);
    const std::vector<float> levels = renderAll(env);
    ASSERT_EQ(levels.size(), 441u + 1u + 1u);
    EXPECT_FLOAT_EQ(levels[0], 0.8f - 0.3f / 441);

    // Nothing but zero-length segments: no note at all.
    env.start(1.0f, 0, 0, 0.5f, 0, 0);
    EXPECT_FALSE(env.isActive());
    float level = -1.0f;
    EXPECT_EQ(env.render(10, &level), 0);
}

TEST(OrbEnvelope, StopFadesWithinFourMilliseconds) {
    OrbEnvelope env(44100);
    env.start(1.0f, 0, 0, 1.0f, 1000, 10);
    env.stopNote(false);
    EXPECT_TRUE(env.isReleasing());
    std::vector<float> levels = renderAll(env);
    EXPECT_GE(levels.size(), 175u);
    EXPECT_LE(levels.size(), 177u); // 4 ms = 176 frames from full level
    EXPECT_EQ(levels.back(), 0.0f);
    for (size_t i = 1; i < levels.size(); ++i) {
        EXPECT_LT(levels[i], levels[i - 1]);
    }

    // From half level the fade takes half as long.
    env.start(1.0f, 0, 0, 0.5f, 1000, 10);
    env.stopNote(false);
    levels = renderAll(env);
    EXPECT_GE(levels.size(), 87u);
    EXPECT_LE(levels.size(), 89u);

    env.start(1.0f, 0, 0, 0.5f, 1000, 10);
    env.stopNote(true);
    EXPECT_FALSE(env.isActive());
    float level = -1.0f;
    EXPECT_EQ(env.render(10, &level), 0);

    env.stopNote(false); // stopping a silent envelope starts nothing
    EXPECT_FALSE(env.isActive());
    EXPECT_FALSE(env.isReleasing());
}
