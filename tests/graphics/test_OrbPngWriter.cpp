#include "graphics/OrbPngWriter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <zlib.h>

namespace {

std::uint32_t u32At(const std::vector<unsigned char>& b, std::size_t i) {
    return (std::uint32_t(b[i]) << 24) | (std::uint32_t(b[i + 1]) << 16) |
           (std::uint32_t(b[i + 2]) << 8) | b[i + 3];
}

// Checks one chunk at `at` and returns the offset of the next.
std::size_t checkChunk(const std::vector<unsigned char>& png, std::size_t at, const char* type,
                       std::vector<unsigned char>& data) {
    const std::uint32_t length = u32At(png, at);
    EXPECT_EQ(std::string(png.begin() + at + 4, png.begin() + at + 8), type);
    data.assign(png.begin() + at + 8, png.begin() + at + 8 + length);
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), png.data() + at + 4, length + 4);
    EXPECT_EQ(u32At(png, at + 8 + length), static_cast<std::uint32_t>(crc)) << type;
    return at + 12 + length;
}

} // namespace

TEST(OrbPngWriter, WritesAValidRgbaFileRowByRow) {
    // 2 x 2: red, green / blue, transparent white.
    const unsigned char pixels[] = {255, 0, 0,   255, 0,   255, 0,   255,
                                    0,   0, 255, 255, 255, 255, 255, 0};
    const auto png = OrbPngWriter::encode(pixels, 2, 2);
    ASSERT_GT(png.size(), 8u + 3 * 12u);
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));

    std::vector<unsigned char> data;
    std::size_t at = checkChunk(png, 8, "IHDR", data);
    ASSERT_EQ(data.size(), 13u);
    EXPECT_EQ(u32At(data, 0), 2u);
    EXPECT_EQ(u32At(data, 4), 2u);
    EXPECT_EQ(data[8], 8);
    EXPECT_EQ(data[9], 6);

    at = checkChunk(png, at, "IDAT", data);
    std::vector<unsigned char> raw(2 * (1 + 8));
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, data.data(), data.size()), Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    // Each row: filter byte 0, then the row's pixels in the order given.
    EXPECT_EQ(raw[0], 0);
    EXPECT_TRUE(std::equal(pixels, pixels + 8, raw.begin() + 1));
    EXPECT_EQ(raw[9], 0);
    EXPECT_TRUE(std::equal(pixels + 8, pixels + 16, raw.begin() + 10));

    at = checkChunk(png, at, "IEND", data);
    EXPECT_TRUE(data.empty());
    EXPECT_EQ(at, png.size());
}

TEST(OrbPngWriter, RefusesEmptyPictures) {
    const unsigned char pixel[] = {0, 0, 0, 0};
    EXPECT_TRUE(OrbPngWriter::encode(pixel, 0, 1).empty());
    EXPECT_TRUE(OrbPngWriter::encode(pixel, 1, -1).empty());
    EXPECT_TRUE(OrbPngWriter::encode(nullptr, 1, 1).empty());
}
