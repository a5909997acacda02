#include "audio/OrbWavEncoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

uint32_t read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t read16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

} // namespace

TEST(OrbWavEncoder, WritesA44ByteHeaderAndLittleEndianSamples) {
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 258};
    const std::vector<uint8_t> wav = OrbWavEncoder::encode(samples, 2, 44100);
    ASSERT_EQ(wav.size(), 44u + 12u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(read32(wav, 4), 36u + 12u);
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(read32(wav, 16), 16u);
    EXPECT_EQ(read16(wav, 20), 1u);      // PCM
    EXPECT_EQ(read16(wav, 22), 2u);      // channels
    EXPECT_EQ(read32(wav, 24), 44100u);  // rate
    EXPECT_EQ(read32(wav, 28), 176400u); // bytes per second
    EXPECT_EQ(read16(wav, 32), 4u);      // block align
    EXPECT_EQ(read16(wav, 34), 16u);     // bits
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    EXPECT_EQ(read32(wav, 40), 12u);
    EXPECT_EQ(read16(wav, 46), 1u);
    EXPECT_EQ(read16(wav, 48), 0xFFFFu);
    EXPECT_EQ(read16(wav, 50), 0x7FFFu);
    EXPECT_EQ(read16(wav, 52), 0x8000u);
    EXPECT_EQ(wav[54], 2u);
    EXPECT_EQ(wav[55], 1u);
}

TEST(OrbWavEncoder, RejectsUnusableLayouts) {
    const std::vector<int16_t> odd = {1, 2, 3};
    EXPECT_TRUE(OrbWavEncoder::encode(odd, 2, 44100).empty()) << "half a stereo frame";
    EXPECT_TRUE(OrbWavEncoder::encode(odd, 0, 44100).empty());
    EXPECT_TRUE(OrbWavEncoder::encode(odd, 3, 44100).empty());
    EXPECT_TRUE(OrbWavEncoder::encode(odd, 1, 0).empty());
    EXPECT_EQ(OrbWavEncoder::encode({}, 1, 8000).size(), 44u) << "empty sound, valid file";
}
