#include "audio/GvSfxModule.h"
#include "audio/OrbAudioReformatter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

TEST(GvSfxModule, EveryEffectMakesSoundAndEnds) {
    ASSERT_EQ(GvSfxModule::soundTable().size(), 24u);
    for (int i = 0; i < GvSfxModule::kSoundCount; ++i) {
        GvSfxModule sfx(7);
        sfx.play(i);
        std::vector<float> out(2205);
        ASSERT_TRUE(sfx.render(2205, out.data())) << "sound " << i;
        float peak = 0.0f;
        for (float s : out) {
            peak = std::max(peak, std::fabs(s));
        }
        EXPECT_GT(peak, 0.0f) << "sound " << i;
        EXPECT_LE(peak, sfx.voiceGain(i) + 1e-6f) << "sound " << i;
        if (i >= 8 && i <= 10) {
            sfx.stop(i);
        }
        int blocks = 1;
        while (sfx.render(2205, out.data()) && blocks < 200) {
            ++blocks;
        }
        EXPECT_LT(blocks, 60) << "sound " << i << " ends (within three seconds)";
    }
}

TEST(GvSfxModule, AllEffectsTogetherStayWithinFullScale) {
    GvSfxModule sfx(3);
    OrbAudioReformatter pcm(std::make_unique<GvSfxModule>(3), OrbAudioModule::kMono16);
    auto* inner = static_cast<GvSfxModule*>(pcm.source());
    for (int i = 0; i < GvSfxModule::kSoundCount; ++i) {
        sfx.play(i);
        inner->play(i);
    }
    std::vector<float> out(2205);
    std::vector<int16_t> samples(2205);
    for (int b = 0; b < 20; ++b) {
        ASSERT_TRUE(sfx.render(2205, out.data()));
        for (float s : out) {
            ASSERT_LE(std::fabs(s), 0.9991f);
        }
        ASSERT_TRUE(pcm.render(2205, samples.data()));
    }
    EXPECT_LT(sfx.limiterGain(), 0.5) << "summed weights of 4.18 need a strong cut";
}

TEST(GvSfxModule, PlayAndStopIgnoreUnknownIndices) {
    GvSfxModule sfx(1);
    sfx.play(-1);
    sfx.play(24);
    sfx.stop(1000);
    std::vector<float> out(100);
    EXPECT_FALSE(sfx.render(100, out.data()));
    EXPECT_EQ(sfx.sfxVoice(24), nullptr);
}
