#include "audio/GvSfxModule.h"
#include "audio/OrbVoiceGroup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A voice that plays a constant value while switched on.
class ConstantVoice : public OrbAudioModule {
public:
    explicit ConstantVoice(float value, int format = kMonoFloat)
        : OrbAudioModule(format), value_(value) {}
    bool on = true;
    int renders = 0;
    bool render(int frames, void* out) override {
        ++renders;
        if (!on) {
            return false;
        }
        float* o = static_cast<float*>(out);
        std::fill(o, o + frames * channels(format()), value_);
        return true;
    }

private:
    float value_;
};

struct Mix {
    OrbVoiceGroup group{OrbAudioModule::kMonoFloat, 44100, true};
    std::vector<ConstantVoice*> voices;
    ConstantVoice* add(float gain) {
        auto v = std::make_unique<ConstantVoice>(1.0f);
        voices.push_back(v.get());
        group.addVoice(std::move(v), gain);
        return voices.back();
    }
    std::vector<float> block(int frames = 2205) {
        std::vector<float> out(frames, 9.0f);
        lastSound = group.render(frames, out.data());
        return out;
    }
    bool lastSound = false;
};

} // namespace

TEST(OrbVoiceGroup, MixBelowFullScaleIsNotLimited) {
    Mix mix;
    mix.add(0.45f);
    mix.add(0.37f);
    const std::vector<float> out = mix.block();
    ASSERT_TRUE(mix.lastSound);
    EXPECT_DOUBLE_EQ(mix.group.limiterGain(), 1.0);
    EXPECT_NEAR(out.front(), 0.82f, 1e-6);
    EXPECT_NEAR(out.back(), 0.82f, 1e-6);
}

TEST(OrbVoiceGroup, OverloadIsCutAtOnceAndRecoversGradually) {
    Mix mix;
    mix.add(0.4f);
    mix.add(0.4f);
    ConstantVoice* third = mix.add(0.4f);
    std::vector<float> out = mix.block();
    EXPECT_NEAR(mix.group.limiterGain(), 0.8325, 1e-6);
    EXPECT_NEAR(out.front(), 0.999f, 1e-5) << "cut from the very first frame";
    EXPECT_NEAR(out.back(), 0.999f, 1e-5);

    third->on = false; // total weight 0.8: no limit needed any more
    out = mix.block();
    const double step = 1.0 / 88200;
    EXPECT_NEAR(out.front(), 0.8 * (0.8325 + step), 1e-5);
    EXPECT_NEAR(out.back(), 0.8 * (0.8325 + 2205 * step), 1e-5);
    EXPECT_NEAR(mix.group.limiterGain(), 0.8575, 1e-6);

    // (1 - 0.8325) * 88200 = 14,773.5 frames: full level within the seventh block.
    for (int b = 0; b < 5; ++b) {
        mix.block();
    }
    EXPECT_LT(mix.group.limiterGain(), 1.0);
    out = mix.block();
    EXPECT_DOUBLE_EQ(mix.group.limiterGain(), 1.0);
    EXPECT_NEAR(out.back(), 0.8f, 1e-6);

    third->on = true; // overload again: cut at once
    mix.block();
    EXPECT_NEAR(mix.group.limiterGain(), 0.8325, 1e-6);
}

TEST(OrbVoiceGroup, SilenceResetsTheLimiter) {
    Mix mix;
    mix.add(0.6f);
    mix.add(0.6f);
    mix.block();
    ASSERT_LT(mix.group.limiterGain(), 1.0);
    for (ConstantVoice* v : mix.voices) {
        v->on = false;
    }
    mix.block();
    EXPECT_FALSE(mix.lastSound);
    EXPECT_DOUBLE_EQ(mix.group.limiterGain(), 1.0);
}

TEST(OrbVoiceGroup, LaterVoiceSoundsWhenTheFirstIsSilent) {
    Mix mix;
    ConstantVoice* first = mix.add(0.5f);
    mix.add(0.25f);
    first->on = false;
    const std::vector<float> out = mix.block(10);
    ASSERT_TRUE(mix.lastSound);
    EXPECT_FLOAT_EQ(out[0], 0.25f);
    EXPECT_FLOAT_EQ(out[9], 0.25f);
}

TEST(OrbVoiceGroup, MasterGainScalesAndClamps) {
    Mix mix;
    mix.add(0.5f);
    mix.group.setMasterGain(0.5);
    EXPECT_FLOAT_EQ(mix.block(4)[3], 0.25f);
    mix.group.setMasterGain(2.0);
    EXPECT_DOUBLE_EQ(mix.group.masterGain(), 1.0);
    mix.group.setMasterGain(-1.0);
    EXPECT_DOUBLE_EQ(mix.group.masterGain(), 0.0);
    mix.group.setMasterGain(std::nan(""));
    EXPECT_DOUBLE_EQ(mix.group.masterGain(), 0.0);
}

TEST(OrbVoiceGroup, MasterGainZeroMutesWhileVoicesKeepRunning) {
    // The volume-change sound lasts 529 + 1058 + 1323 + 4410 = 7,320 frames.
    GvSfxModule sfx(1);
    sfx.setMasterGain(0.0);
    sfx.play(23);
    std::vector<float> out(2205, 9.0f);
    for (int b = 0; b < 2; ++b) {
        ASSERT_TRUE(sfx.render(2205, out.data()));
        for (float s : out) {
            ASSERT_EQ(s, 0.0f);
        }
    }
    sfx.setMasterGain(1.0);
    ASSERT_TRUE(sfx.render(2205, out.data()));
    float peak = 0.0f;
    for (float s : out) {
        peak = std::max(peak, std::fabs(s));
    }
    EXPECT_GT(peak, 0.01f);
    EXPECT_LE(peak, 0.45f * 0.2f + 1e-3f) << "the muted note went on into its release";
    EXPECT_TRUE(sfx.render(2205, out.data()));
    EXPECT_FALSE(sfx.render(2205, out.data())) << "the note ended in the fourth block";
}

TEST(OrbVoiceGroup, StereoLimiterAndForeignFormatVoices) {
    OrbVoiceGroup group(OrbAudioModule::kStereoFloat, 44100, true);
    group.addVoice(std::make_unique<ConstantVoice>(1.0f, OrbAudioModule::kStereoFloat), 1.0f);
    // A mono voice is converted to the group's format rather than misread.
    group.addVoice(std::make_unique<ConstantVoice>(0.5f, OrbAudioModule::kMonoFloat), 1.0f);
    std::vector<float> out(8, 9.0f);
    ASSERT_TRUE(group.render(4, out.data()));
    for (float s : out) {
        EXPECT_NEAR(s, 1.5f * 0.4995f, 1e-5); // total weight 2: limiter gain 0.999 / 2
    }
    EXPECT_THROW(OrbVoiceGroup(OrbAudioModule::kMono16, 44100, true), std::invalid_argument);
}
