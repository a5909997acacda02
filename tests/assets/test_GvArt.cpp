#include "art/GvArt.h"
#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbPictureCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Decodes an embedded picture; empty when it is damaged or does not give
// exactly its stated size.
static std::optional<std::vector<std::uint8_t>> decoded(const OrbEmbeddedData& data, int width,
                                                        int height, GvArtFormat format) {
    const int channels = GvArt::bytesPerPixel(format);
    if (data.size != static_cast<std::size_t>(width) * height * channels) {
        return std::nullopt;
    }
    try {
        return OrbPictureCodec::decode(data.bytes, data.compressedSize, width, height, channels);
    } catch (const OrbCorruptDataTextureException&) {
        return std::nullopt;
    }
}

struct PictureSpec {
    GvArtImage image;
    const char* name;
    GvArtFormat format;
    int width, height;
};

struct SetSpec {
    GvArtSet set;
    const char* name;
    int count;
    GvArtFormat format;
    bool opaqueTiles; // fills whole cells and repeats
    bool sprite;      // stands free inside its cell
};

static const PictureSpec kPictures[] = {
    {GvArtImage::Logo, "Logo", GvArtFormat::Rgba, 1024, 256},
    {GvArtImage::Divider, "Divider", GvArtFormat::Rgba, 64, 64},
    {GvArtImage::PanelEdge, "PanelEdge", GvArtFormat::Alpha, 128, 128},
    {GvArtImage::Ramp, "Ramp", GvArtFormat::LuminanceAlpha, 256, 64},
    {GvArtImage::Scroller, "Scroller", GvArtFormat::LuminanceAlpha, 64, 64},
    {GvArtImage::Sparkle, "Sparkle", GvArtFormat::Alpha, 128, 128},
    {GvArtImage::SquareEdge, "SquareEdge", GvArtFormat::Alpha, 128, 128},
    {GvArtImage::VoodooDoll, "VoodooDoll", GvArtFormat::Rgba, 128, 128},
    {GvArtImage::Font, "Font", GvArtFormat::Alpha, 1024, 1280},
    {GvArtImage::WindowIcon, "WindowIcon", GvArtFormat::Rgba, 64, 64},
};

static const SetSpec kSets[] = {
    {GvArtSet::Amoeba, "Amoeba", 20, GvArtFormat::Rgba, true, false},
    {GvArtSet::Bomb, "Bomb", 24, GvArtFormat::Rgba, false, true},
    {GvArtSet::Boulder, "Boulder", 20, GvArtFormat::Rgba, false, true},
    {GvArtSet::BrickWall, "BrickWall", 5, GvArtFormat::Rgba, true, false},
    {GvArtSet::Butterfly, "Butterfly", 16, GvArtFormat::Rgba, false, true},
    {GvArtSet::Button, "Button", 2, GvArtFormat::LuminanceAlpha, false, false},
    {GvArtSet::Diamond, "Diamond", 4, GvArtFormat::Rgba, false, true},
    {GvArtSet::Dirt, "Dirt", 8, GvArtFormat::Rgba, true, false},
    {GvArtSet::Explosion, "Explosion", 24, GvArtFormat::Rgba, false, false},
    {GvArtSet::Firefly, "Firefly", 11, GvArtFormat::Rgba, false, true},
    {GvArtSet::Player, "Player", 94, GvArtFormat::Rgba, false, true},
    {GvArtSet::Slime, "Slime", 20, GvArtFormat::Rgba, false, false},
    {GvArtSet::SteelWall, "SteelWall", 7, GvArtFormat::Rgba, true, false},
};

TEST(GvArtTest, EveryPictureHasTheListedFormatAndSizeAndDecodes) {
    for (const PictureSpec& spec : kPictures) {
        SCOPED_TRACE(spec.name);
        const GvArtPicture& pic = GvArt::image(spec.image);
        EXPECT_EQ(pic.format, spec.format);
        EXPECT_EQ(pic.width, spec.width);
        EXPECT_EQ(pic.height, spec.height);
        ASSERT_EQ(pic.data.size, static_cast<std::size_t>(spec.width) * spec.height *
                                     GvArt::bytesPerPixel(spec.format));
        ASSERT_NE(pic.data.bytes, nullptr);
        EXPECT_LT(pic.data.compressedSize, pic.data.size);
        EXPECT_TRUE(decoded(pic.data, pic.width, pic.height, pic.format).has_value());
    }
}

TEST(GvArtTest, EverySetHasTheListedFramesFormatAndSizeAndEachFrameDecodes) {
    for (const SetSpec& spec : kSets) {
        SCOPED_TRACE(spec.name);
        const GvArtFrames set = GvArt::frames(spec.set);
        EXPECT_EQ(set.count, spec.count);
        EXPECT_EQ(set.format, spec.format);
        EXPECT_EQ(set.width, 128);
        EXPECT_EQ(set.height, 128);
        for (int i = 0; i < set.count; ++i) {
            ASSERT_EQ(set.frames[i].size, 128u * 128u * GvArt::bytesPerPixel(spec.format)) << i;
        }
        // Frames may be predicted from the one before, so they decode in order.
        EXPECT_EQ(OrbPictureCodec::decodeFrames(set.frames, set.count, 128, 128,
                                                GvArt::bytesPerPixel(spec.format))
                      .size(),
                  static_cast<std::size_t>(spec.count));
    }
}

TEST(GvArtTest, BytesPerPixelOfEachFormat) {
    EXPECT_EQ(GvArt::bytesPerPixel(GvArtFormat::Alpha), 1);
    EXPECT_EQ(GvArt::bytesPerPixel(GvArtFormat::LuminanceAlpha), 2);
    EXPECT_EQ(GvArt::bytesPerPixel(GvArtFormat::Rgb), 3);
    EXPECT_EQ(GvArt::bytesPerPixel(GvArtFormat::Rgba), 4);
}

TEST(GvArtTest, UnknownPictureOrSetIsRefused) {
    EXPECT_THROW(GvArt::image(static_cast<GvArtImage>(99)), std::out_of_range);
    EXPECT_THROW(GvArt::frames(static_cast<GvArtSet>(-1)), std::out_of_range);
}

TEST(GvArtTest, DamagedStreamsDoNotDecode) {
    const GvArtPicture& logo = GvArt::image(GvArtImage::Logo);
    // A set's first frame, which has no frame before it to be predicted from.
    const OrbEmbeddedData& frame = GvArt::frames(GvArtSet::Boulder).frames[0];
    const OrbEmbeddedData& font = GvArt::image(GvArtImage::Font).data;
    struct Case {
        const OrbEmbeddedData* data;
        int width, height;
        GvArtFormat format;
    };
    for (const Case& c :
         {Case{&logo.data, 1024, 256, GvArtFormat::Rgba}, Case{&frame, 128, 128, GvArtFormat::Rgba},
          Case{&font, 1024, 1280, GvArtFormat::Alpha}}) {
        const std::vector<unsigned char> copy(c.data->bytes,
                                              c.data->bytes + c.data->compressedSize);
        const auto decodes = [&](const std::vector<unsigned char>& bytes, int height) {
            return decoded(OrbEmbeddedData{bytes.data(), bytes.size(),
                                           c.data->size / c.height * height},
                           c.width, height, c.format)
                .has_value();
        };
        ASSERT_TRUE(decodes(copy, c.height));
        std::vector<unsigned char> flipped = copy;
        for (std::size_t i = flipped.size() / 2; i < flipped.size() / 2 + 4; ++i) {
            flipped[i] ^= 0x5a;
        }
        EXPECT_FALSE(decodes(flipped, c.height)) << "flipped bits in the deflate data";
        std::vector<unsigned char> badSum = copy;
        badSum.back() ^= 0xff;
        EXPECT_FALSE(decodes(badSum, c.height)) << "a flipped checksum byte";
        std::vector<unsigned char> badBound = copy;
        badBound[0] = 200;
        EXPECT_FALSE(decodes(badBound, c.height)) << "a bound past the largest";
        EXPECT_FALSE(decodes({copy.begin(), copy.end() - 10}, c.height)) << "cut short";
        EXPECT_FALSE(decodes({copy.begin(), copy.begin() + 1}, c.height)) << "no stream at all";
        EXPECT_FALSE(decodes(copy, c.height - 1)) << "more pixels than the picture";
        EXPECT_FALSE(decodes(copy, c.height + 1)) << "fewer pixels than the picture";
    }
}

TEST(GvArtTest, PlayerGroupsFollowTheFrameTable) {
    // Four single frames, then groups of 24, 24, 12, 12, 6, 6 and 6 frames.
    const int starts[] = {GvArt::playerWalkSide, GvArt::playerPushWalk,  GvArt::playerWalkDown,
                          GvArt::playerWalkUp,   GvArt::playerBlink,     GvArt::playerTap,
                          GvArt::playerBlinkTap, GvArt::playerFrameCount};
    const int sizes[] = {24, 24, 12, 12, 6, 6, 6};
    EXPECT_EQ(starts[0], 4);
    for (int g = 0; g < 7; ++g) {
        EXPECT_EQ(starts[g + 1] - starts[g], sizes[g]) << "group " << g;
    }
    EXPECT_EQ(GvArt::frames(GvArtSet::Player).count, GvArt::playerFrameCount);
}

static std::vector<std::vector<std::uint8_t>> setPixels(GvArtSet set) {
    const GvArtFrames f = GvArt::frames(set);
    return OrbPictureCodec::decodeFrames(f.frames, f.count, f.width, f.height,
                                         GvArt::bytesPerPixel(f.format));
}

TEST(GvArtTest, NeighbouringFramesOfAnimationsDiffer) {
    for (const SetSpec& spec : kSets) {
        SCOPED_TRACE(spec.name);
        const std::vector<std::vector<std::uint8_t>> frames = setPixels(spec.set);
        for (std::size_t i = 1; i < frames.size(); ++i) {
            EXPECT_NE(frames[i], frames[i - 1]) << "frame " << i << " repeats frame " << i - 1;
        }
    }
}

// Mean absolute difference of the RGB of two pixel columns of an RGBA frame.
static double columnDifference(const std::vector<std::uint8_t>& px, int a, int b) {
    double sum = 0;
    for (int y = 0; y < 128; ++y) {
        for (int c = 0; c < 3; ++c) {
            sum += std::abs(px[(y * 128 + a) * 4 + c] - px[(y * 128 + b) * 4 + c]);
        }
    }
    return sum / (128 * 3);
}

static double rowDifference(const std::vector<std::uint8_t>& px, int a, int b) {
    double sum = 0;
    for (int x = 0; x < 128; ++x) {
        for (int c = 0; c < 3; ++c) {
            sum += std::abs(px[(a * 128 + x) * 4 + c] - px[(b * 128 + x) * 4 + c]);
        }
    }
    return sum / (128 * 3);
}

TEST(GvArtTest, TilesAreOpaqueAndRepeatWithoutSeams) {
    for (const SetSpec& spec : kSets) {
        if (!spec.opaqueTiles && spec.set != GvArtSet::Slime) {
            continue;
        }
        SCOPED_TRACE(spec.name);
        const std::vector<std::vector<std::uint8_t>> frames = setPixels(spec.set);
        for (int i = 0; i < spec.count; ++i) {
            SCOPED_TRACE(i);
            const std::vector<std::uint8_t>& px = frames[static_cast<std::size_t>(i)];
            if (spec.opaqueTiles) {
                for (std::size_t p = 3; p < px.size(); p += 4) {
                    ASSERT_EQ(px[p], 255) << "transparent pixel " << p / 4;
                }
            }
            // A seam shows as a step between the last and the first line
            // that is larger than any step between neighbouring lines inside.
            double insideColumns = 0, insideRows = 0;
            for (int k = 0; k < 127; ++k) {
                insideColumns = std::max(insideColumns, columnDifference(px, k, k + 1));
                insideRows = std::max(insideRows, rowDifference(px, k, k + 1));
            }
            EXPECT_LE(columnDifference(px, 127, 0), 1.05 * insideColumns) << "left and right";
            EXPECT_LE(rowDifference(px, 127, 0), 1.05 * insideRows) << "top and bottom";
        }
    }
}

TEST(GvArtTest, SpritesLeaveTheirCellBorderClear) {
    // Sprites are drawn with clamped edges; anything on the outermost pixels
    // would smear across the neighbouring cells.
    for (const SetSpec& spec : kSets) {
        if (!spec.sprite) {
            continue;
        }
        SCOPED_TRACE(spec.name);
        const std::vector<std::vector<std::uint8_t>> frames = setPixels(spec.set);
        for (int i = 0; i < spec.count; ++i) {
            const std::vector<std::uint8_t>& px = frames[static_cast<std::size_t>(i)];
            int worst = 0, where = 0;
            for (int k = 0; k < 128; ++k) {
                for (int e : {k, 127 * 128 + k, k * 128, k * 128 + 127}) {
                    if (px[e * 4 + 3] > worst) {
                        worst = px[e * 4 + 3];
                        where = e;
                    }
                }
            }
            EXPECT_LE(worst, 8) << "frame " << i << " at x " << where % 128 << ", y "
                                << where / 128;
        }
    }
}

// Alpha of the glyph cell of 'code' at (x, y) inside the cell.
static int glyphAlpha(const std::vector<std::uint8_t>& sheet, int code, int x, int y) {
    const int i = code - 16, cx = (i % 8) * 128, cy = (i / 8) * 128;
    return sheet[static_cast<std::size_t>(cy + y) * 1024 + cx + x];
}

static double advanceOf(int code) {
    if ((code >= 16 && code <= 27) || (code >= 29 && code <= 31)) {
        return 1;
    }
    const std::string narrow = " \"+-/<>?\\0123456789", thin = "!',.:;I", bracket = "()[]";
    if (code == 28 || narrow.find(static_cast<char>(code)) != std::string::npos) {
        return 19.0 / 29;
    }
    if (thin.find(static_cast<char>(code)) != std::string::npos) {
        return 9.0 / 29;
    }
    if (bracket.find(static_cast<char>(code)) != std::string::npos) {
        return 14.0 / 29;
    }
    return 1;
}

TEST(GvArtTest, EveryGlyphIsDrawnWithinItsAdvance) {
    const std::vector<std::uint8_t> sheet =
        decoded(GvArt::image(GvArtImage::Font).data, 1024, 1280, GvArtFormat::Alpha).value();
    for (int code = 16; code <= 95; ++code) {
        SCOPED_TRACE(code);
        const int limit = static_cast<int>(advanceOf(code) * 128 + 0.5);
        int inked = 0, outside = 0;
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                const int a = glyphAlpha(sheet, code, x, y);
                if (a > 128) {
                    ++inked;
                }
                if (x >= limit && a > 0) {
                    ++outside;
                }
            }
        }
        EXPECT_EQ(outside, 0);
        if (code == ' ') {
            EXPECT_EQ(inked, 0);
        } else {
            EXPECT_GT(inked, 100) << "glyph has no ink";
        }
    }
}

TEST(GvArtTest, CapitalsStandOnTheBaseline) {
    // The baseline is 0.0776 of the cell above its bottom (row 0 is the
    // bottom): capitals reach down to it and not below.
    const std::vector<std::uint8_t> sheet =
        decoded(GvArt::image(GvArtImage::Font).data, 1024, 1280, GvArtFormat::Alpha).value();
    for (int code : {'E', 'H', 'L', 'Z', '1'}) {
        SCOPED_TRACE(code);
        int lowest = 128;
        for (int y = 0; y < 128 && lowest == 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                if (glyphAlpha(sheet, code, x, y) > 128) {
                    lowest = y;
                    break;
                }
            }
        }
        EXPECT_NEAR(lowest, 0.077586 * 128, 1.5);
    }
}
