#include "audio/GvSfxModule.h"
#include "audio/OrbAudioDevice.h"

#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

class PcmSource : public OrbAudioModule {
public:
    explicit PcmSource(std::vector<int16_t> samples)
        : OrbAudioModule(kMono16), samples_(std::move(samples)) {}
    bool silent = false;
    bool render(int frames, void* out) override {
        if (silent) {
            return false;
        }
        std::memcpy(out, samples_.data(), frames * sizeof(int16_t));
        return true;
    }

private:
    std::vector<int16_t> samples_;
};

const std::vector<int16_t> kPattern = {32767, -32768, -1, 1, 1000, -1000};

} // namespace

TEST(OrbAudioDevice, OutputGainOnRenderedBlocks) {
    auto source = std::make_unique<PcmSource>(kPattern);
    PcmSource* raw = source.get();
    OrbAudioDevice device(44100, std::move(source), 0);
    EXPECT_EQ(device.blockFrames(), 2205);
    std::vector<int16_t> out(6);

    device.setGain(1.0f);
    device.fillBlock(out.data(), 6);
    EXPECT_EQ(out, kPattern) << "full gain leaves every sample untouched";

    device.setGain(0.5f); // g = 32768: (g * s) >> 16, shifting arithmetically
    device.fillBlock(out.data(), 6);
    EXPECT_EQ(out, (std::vector<int16_t>{16383, -16384, -1, 0, 500, -500}));

    device.setGain(0.0f);
    device.fillBlock(out.data(), 6);
    EXPECT_EQ(out, std::vector<int16_t>(6, 0));

    device.setGain(1.7f);
    EXPECT_EQ(device.gain(), 1.0f);
    device.setGain(-0.3f);
    EXPECT_EQ(device.gain(), 0.0f);

    raw->silent = true;
    device.setGain(0.5f);
    out.assign(6, 1234);
    device.fillBlock(out.data(), 6);
    EXPECT_EQ(out, std::vector<int16_t>(6, 0)) << "silence becomes a block of zeros";
}

TEST(OrbAudioDevice, FloatSourcesAreConvertedTo16Bit) {
    OrbAudioDevice mono(44100, std::make_unique<GvSfxModule>(1), 0);
    EXPECT_EQ(mono.format(), OrbAudioModule::kMono16);
    ASSERT_NE(mono.source(), nullptr);
    EXPECT_EQ(mono.source()->format(), OrbAudioModule::kMono16);

    std::vector<int16_t> out(2205, 77);
    mono.fillBlock(out.data(), 2205); // nothing playing
    EXPECT_EQ(out, std::vector<int16_t>(2205, 0));

    OrbAudioDevice stereo(
        22050, std::make_unique<OrbVoiceGroup>(OrbAudioModule::kStereoFloat, 22050, true), 0);
    EXPECT_EQ(stereo.format(), OrbAudioModule::kStereo16);
    EXPECT_EQ(stereo.blockFrames(), 1102);
}

TEST(OrbAudioDevice, WithoutAnOutputTheGameStaysSilent) {
    const ScopedEnv driver("SDL_AUDIODRIVER", "no_such_audio_driver");
    auto sfx = std::make_unique<GvSfxModule>(1);
    GvSfxModule* module = sfx.get();
    OrbAudioDevice device(44100, std::move(sfx), 0);
    EXPECT_FALSE(device.open());
    EXPECT_FALSE(device.isOpen());
    const auto before = std::chrono::steady_clock::now();
    device.waitUntilStarted();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(100));
    module->play(3); // still safe to use
    device.close();
    EXPECT_FALSE(device.isOpen());
}

TEST(OrbAudioDevice, OpensStartsAndClosesRepeatedly) {
    const ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    OrbAudioDevice device(44100, std::make_unique<GvSfxModule>(1), 0);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(device.open()) << "round " << round;
        EXPECT_TRUE(device.open()) << "opening an open device succeeds";
        device.waitUntilStarted();
        EXPECT_EQ(device.startUpCounter(), 0);
        // The system's period comes on top of the two blocks in flight.
        EXPECT_GT(device.periodFrames(), 0);
        EXPECT_LE(device.periodFrames(), 1024);
        EXPECT_LE(device.outputThreadNice(), 0) << "never below the normal priority";
        device.close();
        EXPECT_FALSE(device.isOpen());
    }
}

TEST(OrbAudioDevice, PlayedSoundReachesTheOutputAs16BitSamples) {
    const std::string path = testing::TempDir() + "gravik_audio_device_test.raw";
    std::remove(path.c_str());
    const ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    const ScopedEnv diskFile("SDL_DISKAUDIOFILE", path);

    auto sfx = std::make_unique<GvSfxModule>(1);
    GvSfxModule* module = sfx.get();
    OrbAudioDevice device(44100, std::move(sfx), 0);
    device.setGain(1.0f);
    ASSERT_TRUE(device.open());
    device.waitUntilStarted();
    module->play(23);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    device.close();

    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file.good());
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    ASSERT_GT(samples.size(), 2u * 2205u);
    int nonZero = 0;
    int peak = 0;
    for (int16_t s : samples) {
        nonZero += s != 0;
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    RecordProperty("non_zero_samples", nonZero);
    RecordProperty("peak", peak);
    // The volume sound: 7,320 frames at a gain of 0.45 of full scale.
    EXPECT_GT(nonZero, 3000);
    EXPECT_GT(peak, 8000);
    EXPECT_LE(peak, 14746);
    std::remove(path.c_str());
}
