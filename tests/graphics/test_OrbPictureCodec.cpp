#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbPictureCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// A picture with smooth gradients, hard edges, noise, clear areas and every
// extreme value, so that predictions miss by small and by large amounts.
std::vector<unsigned char> testPicture(int width, int height, int channels) {
    std::vector<unsigned char> px(static_cast<std::size_t>(width) * height * channels);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            for (int c = 0; c < channels; ++c) {
                const bool alpha = c == channels - 1 && channels != 3;
                int v = (x * 9 + y * 5 + c * 60) % 256 + static_cast<int>((noise >> (16 + c)) % 23);
                if (x > width / 2) {
                    v = (y % 2 == 0) ? 0 : 255; // hard stripes
                }
                if (alpha) {
                    v = x < width / 4 ? 0 : x < width / 2 ? static_cast<int>(noise >> 24) : 255;
                }
                px[(static_cast<std::size_t>(y) * width + x) * channels + c] =
                    static_cast<unsigned char>(std::min(v, 255));
            }
        }
    }
    return px;
}

struct Coding {
    int channels;
    int bound;
    int clearBound;
    int alphaBound;
    bool referenced; // coded against a picture close to it
};

} // namespace

TEST(OrbPictureCodecTest, DecodesWithinTheBoundsWithAlphaExact) {
    const Coding codings[] = {
        {1, 0, 0, 0, false}, {1, 3, 3, 0, false},   {2, 0, 0, 0, false}, {2, 2, 5, 0, false},
        {3, 0, 0, 0, false}, {3, 3, 3, 0, false},   {4, 0, 0, 0, false}, {4, 1, 1, 0, false},
        {4, 3, 6, 0, false}, {4, 40, 40, 0, false}, {2, 0, 0, 2, false}, {4, 4, 6, 2, false},
        {1, 0, 0, 0, true},  {3, 3, 3, 0, true},    {4, 0, 0, 0, true},  {4, 4, 6, 2, true}};
    for (const Coding& c : codings) {
        SCOPED_TRACE(testing::Message()
                     << c.channels << " channels, bounds " << c.bound << ", " << c.clearBound
                     << ", " << c.alphaBound << (c.referenced ? ", referenced" : ""));
        const int w = 37, h = 23;
        const std::vector<unsigned char> drawn = testPicture(w, h, c.channels);
        // The reference is the picture a little changed in its upper half, as
        // the next frame of an animation would be.
        std::vector<unsigned char> reference = drawn;
        for (std::size_t i = reference.size() / 2; i < reference.size(); i += 7) {
            reference[i] = static_cast<unsigned char>(reference[i] ^ 0x30);
        }
        std::vector<unsigned char> promised;
        const std::vector<unsigned char> stream = OrbPictureCodec::encode(
            drawn.data(), w, h, c.channels, c.bound, c.clearBound, c.alphaBound, &promised,
            c.referenced ? reference.data() : nullptr);
        std::vector<unsigned char> got(drawn.size());
        const std::size_t rowBytes = static_cast<std::size_t>(w) * c.channels;
        OrbPictureCodec::decode(stream.data(), stream.size(), w, h, c.channels, got.data(),
                                rowBytes, reference.data(), rowBytes);
        ASSERT_EQ(got, promised);
        if (c.referenced) {
            // The picture's lower half is the reference's, so rows follow it.
            EXPECT_LT(stream.size(), OrbPictureCodec::encode(drawn.data(), w, h, c.channels,
                                                             c.bound, c.clearBound, c.alphaBound)
                                         .size());
            EXPECT_THROW(OrbPictureCodec::decode(stream.data(), stream.size(), w, h, c.channels),
                         OrbCorruptDataTextureException);
        }
        const bool hasAlpha = c.channels != 3;
        for (std::size_t i = 0; i < got.size(); ++i) {
            const std::size_t pixel = i / c.channels;
            const bool isAlpha =
                hasAlpha && i % c.channels == static_cast<std::size_t>(c.channels - 1);
            const bool clear = hasAlpha && drawn[pixel * c.channels + c.channels - 1] == 0;
            // Alpha-only pictures have no colour: their one channel is alpha.
            // Clear and opaque stay exactly so; other alpha only moves among
            // the partly clear values.
            const bool partly = drawn[i] != 0 && drawn[i] != 255;
            const int bound = isAlpha ? (partly ? c.alphaBound : 0)
                              : clear ? c.clearBound
                                      : c.bound;
            ASSERT_LE(std::abs(got[i] - drawn[i]), bound) << "byte " << i;
            if (isAlpha) {
                ASSERT_EQ(got[i] != 0 && got[i] != 255, partly) << "byte " << i;
            }
        }
    }
}

TEST(OrbPictureCodecTest, DecodesIntoRowsOfAWiderImage) {
    const int w = 16, h = 9;
    const std::vector<unsigned char> drawn = testPicture(w, h, 4);
    std::vector<unsigned char> promised;
    const std::vector<unsigned char> stream =
        OrbPictureCodec::encode(drawn.data(), w, h, 4, 3, 6, 2, &promised);
    const std::size_t rowBytes = (w + 5) * 4;
    std::vector<unsigned char> wide(rowBytes * h, 0xab);
    OrbPictureCodec::decode(stream.data(), stream.size(), w, h, 4, wide.data(), rowBytes);
    for (int y = 0; y < h; ++y) {
        const auto row = wide.begin() + static_cast<long>(y * rowBytes);
        EXPECT_TRUE(std::equal(row, row + w * 4, promised.begin() + y * w * 4)) << "row " << y;
        // The gap between rows is left alone.
        EXPECT_TRUE(std::all_of(row + w * 4, row + static_cast<long>(rowBytes),
                                [](unsigned char b) { return b == 0xab; }))
            << "row " << y;
    }
}

TEST(OrbPictureCodecTest, DamagedOrMismatchedStreamsAreCorruptData) {
    const int w = 20, h = 10;
    const std::vector<unsigned char> drawn = testPicture(w, h, 4);
    const std::vector<unsigned char> good = OrbPictureCodec::encode(drawn.data(), w, h, 4, 3, 6, 2);
    ASSERT_NO_THROW(OrbPictureCodec::decode(good.data(), good.size(), w, h, 4));
    std::vector<unsigned char> moreEscapes = good;
    moreEscapes[2] ^= 1;
    std::vector<unsigned char> manyEscapes = good;
    manyEscapes[5] = 0xff;
    std::vector<unsigned char> badSum = good;
    badSum.back() ^= 0xff;
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        int width, height, channels;
    } cases[] = {
        {"escape count off by one", moreEscapes, w, h, 4},
        {"more escapes than pixels", manyEscapes, w, h, 4},
        {"checksum", badSum, w, h, 4},
        {"cut short", {good.begin(), good.end() - 5}, w, h, 4},
        {"header only", {good.begin(), good.begin() + 6}, w, h, 4},
        {"shorter than a header", {good.begin(), good.begin() + 3}, w, h, 4},
        {"one row more", good, w, h + 1, 4},
        {"one row less", good, w, h - 1, 4},
        {"other channels", good, w, h, 2},
        {"no channels", good, w, h, 0},
        {"no width", good, 0, h, 4},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(
            OrbPictureCodec::decode(c.bytes.data(), c.bytes.size(), c.width, c.height, c.channels),
            OrbCorruptDataTextureException)
            << c.what;
    }
    EXPECT_THROW(OrbPictureCodec::decode(nullptr, 0, w, h, 4), OrbCorruptDataTextureException);
}
