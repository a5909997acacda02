#include "audio/OrbAudioReformatter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Plays back fixed interleaved samples of its format.
template <typename T> class FixedSource : public OrbAudioModule {
public:
    FixedSource(int format, std::vector<T> samples)
        : OrbAudioModule(format), samples_(std::move(samples)) {}
    bool silent = false;
    bool render(int frames, void* out) override {
        if (silent) {
            return false;
        }
        std::memcpy(out, samples_.data(), frames * bytesPerFrame(format()));
        return true;
    }

private:
    std::vector<T> samples_;
};

} // namespace

TEST(OrbAudioReformatter, FloatTo16BitConversion) {
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(0.0f), 0);
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(1.0f), 32767);
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(-1.0f), -32768);
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(0.5f), 16383);   // 16383.75
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(-0.5f), -16384); // floor, not truncation
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(-1e-9f), -1);
    // Out of range values saturate instead of wrapping to the opposite sign.
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(1.5f), 32767);
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(-3.0f), -32768);
    EXPECT_EQ(OrbAudioReformatter::floatToPcm16(std::nanf("")), 0);
    EXPECT_FLOAT_EQ(OrbAudioReformatter::pcm16ToFloat(-32768), -1.0f);
    EXPECT_FLOAT_EQ(OrbAudioReformatter::pcm16ToFloat(16384), 0.5f);
}

TEST(OrbAudioReformatter, ConvertsChannelsThenSampleType) {
    // Stereo float to mono 16-bit: the average of left and right.
    OrbAudioReformatter down(std::make_unique<FixedSource<float>>(
                                 OrbAudioModule::kStereoFloat,
                                 std::vector<float>{1.0f, 0.0f, -1.0f, -1.0f, 0.25f, 0.75f}),
                             OrbAudioModule::kMono16);
    int16_t mono[3] = {};
    ASSERT_TRUE(down.render(3, mono));
    EXPECT_EQ(mono[0], 16383);
    EXPECT_EQ(mono[1], -32768);
    EXPECT_EQ(mono[2], 16383);

    // Mono 16-bit to stereo float: each sample duplicated.
    OrbAudioReformatter up(std::make_unique<FixedSource<int16_t>>(
                               OrbAudioModule::kMono16, std::vector<int16_t>{-32768, 8192}),
                           OrbAudioModule::kStereoFloat);
    float stereo[4] = {};
    ASSERT_TRUE(up.render(2, stereo));
    EXPECT_FLOAT_EQ(stereo[0], -1.0f);
    EXPECT_FLOAT_EQ(stereo[1], -1.0f);
    EXPECT_FLOAT_EQ(stereo[2], 0.25f);
    EXPECT_FLOAT_EQ(stereo[3], 0.25f);

    // Stereo 16-bit to mono 16-bit stays in integers.
    OrbAudioReformatter pcm(
        std::make_unique<FixedSource<int16_t>>(OrbAudioModule::kStereo16,
                                               std::vector<int16_t>{32767, 32767, -3, 0}),
        OrbAudioModule::kMono16);
    int16_t out[2] = {};
    ASSERT_TRUE(pcm.render(2, out));
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -2);
}

TEST(OrbAudioReformatter, SameFormatPassesThroughAndSilenceIsReported) {
    auto source = std::make_unique<FixedSource<float>>(OrbAudioModule::kMonoFloat,
                                                       std::vector<float>{0.125f, -2.0f});
    FixedSource<float>* raw = source.get();
    OrbAudioReformatter same(std::move(source), OrbAudioModule::kMonoFloat);
    float out[2] = {};
    ASSERT_TRUE(same.render(2, out));
    EXPECT_EQ(out[0], 0.125f);
    EXPECT_EQ(out[1], -2.0f) << "no conversion, no clamping";
    raw->silent = true;
    EXPECT_FALSE(same.render(2, out));

    OrbAudioReformatter converting(
        std::make_unique<FixedSource<float>>(OrbAudioModule::kMonoFloat, std::vector<float>{0.5f}),
        OrbAudioModule::kMono16);
    static_cast<FixedSource<float>*>(converting.source())->silent = true;
    int16_t pcm = 0;
    EXPECT_FALSE(converting.render(1, &pcm));
}
