#include "ArtOutput.h"

#include "graphics/OrbPictureCodec.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class ArtOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("artgen-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

static std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

static std::uint32_t bigEndian(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) |
           (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}

struct Png {
    std::uint32_t width = 0, height = 0;
    std::vector<std::uint8_t> raw; // filtered rows as stored
};

// Walks the chunks, checking each CRC; returns the header and inflated data.
static Png readPng(const fs::path& path) {
    const std::vector<std::uint8_t> b = readFile(path);
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_GE(b.size(), 8u);
    EXPECT_TRUE(std::equal(signature, signature + 8, b.begin()));
    Png png;
    std::vector<std::uint8_t> idat;
    bool ended = false;
    for (std::size_t at = 8; at + 12 <= b.size();) {
        const std::uint32_t length = bigEndian(b, at);
        const std::string type(b.begin() + at + 4, b.begin() + at + 8);
        const std::uint32_t crc = bigEndian(b, at + 8 + length);
        EXPECT_EQ(crc, crc32(0, b.data() + at + 4, length + 4)) << type;
        if (type == "IHDR") {
            png.width = bigEndian(b, at + 8);
            png.height = bigEndian(b, at + 12);
            EXPECT_EQ(b[at + 16], 8); // bit depth
            EXPECT_EQ(b[at + 17], 6); // RGBA
        } else if (type == "IDAT") {
            idat.insert(idat.end(), b.begin() + at + 8, b.begin() + at + 8 + length);
        } else if (type == "IEND") {
            ended = true;
        }
        at += 12 + length;
    }
    EXPECT_TRUE(ended);
    png.raw.resize(static_cast<std::size_t>(png.height) * (png.width * 4 + 1));
    uLongf size = png.raw.size();
    EXPECT_EQ(uncompress(png.raw.data(), &size, idat.data(), idat.size()), Z_OK);
    EXPECT_EQ(size, png.raw.size());
    return png;
}

TEST_F(ArtOutputTest, PngCarriesValidChunksAndThePixels) {
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < 3 * 2 * 4; ++i) {
        rgba.push_back(static_cast<std::uint8_t>(i * 10));
    }
    ASSERT_TRUE(ArtOutput::writePng((folder / "p.png").string(), 3, 2, rgba));
    const Png png = readPng(folder / "p.png");
    EXPECT_EQ(png.width, 3u);
    EXPECT_EQ(png.height, 2u);
    ASSERT_EQ(png.raw.size(), 2u * 13u);
    EXPECT_EQ(png.raw[0], 0); // no filter
    EXPECT_EQ(png.raw[13], 0);
    EXPECT_EQ(png.raw[1], 0);
    EXPECT_EQ(png.raw[12], 110);
    EXPECT_EQ(png.raw[14], 120);
    EXPECT_EQ(png.raw[25], 230);
}

TEST_F(ArtOutputTest, PngIntoAMissingFolderFails) {
    EXPECT_FALSE(ArtOutput::writePng((folder / "no" / "p.png").string(), 1, 1, {0, 0, 0, 0}));
}

static ArtPicture picture(ArtFormat format, int w, int h, std::uint8_t seed) {
    const int bpp = format == ArtFormat::Alpha ? 1 : format == ArtFormat::LuminanceAlpha ? 2 : 4;
    ArtPicture p{format, w, h, {}};
    for (int i = 0; i < w * h * bpp; ++i) {
        p.bytes.push_back(static_cast<std::uint8_t>(seed + i * 37));
    }
    return p;
}

static ArtBook smallBook() {
    ArtBook book;
    book.images.push_back({"Mark", {picture(ArtFormat::Alpha, 4, 4, 1)}, false});
    book.sets.push_back(
        {"Blink", {picture(ArtFormat::Rgba, 2, 2, 5), picture(ArtFormat::Rgba, 2, 2, 9)}, true});
    return book;
}

// The bytes of the stream the generated source names as `gvArtBlob + offset,
// size` right after `prefix`, read from the binary file.
static std::vector<std::uint8_t> streamAfter(const std::string& source,
                                             const std::vector<std::uint8_t>& blob,
                                             const std::string& prefix) {
    const std::size_t at = source.find(prefix + "gvArtBlob + ");
    EXPECT_NE(at, std::string::npos) << prefix;
    if (at == std::string::npos) {
        return {};
    }
    std::istringstream fields(source.substr(at + prefix.size() + 12));
    std::size_t offset = 0, size = 0;
    char comma = 0;
    fields >> offset >> comma >> size;
    EXPECT_LE(offset + size, blob.size());
    if (offset + size > blob.size()) {
        return {};
    }
    return {blob.begin() + static_cast<std::ptrdiff_t>(offset),
            blob.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

static std::vector<std::uint8_t> decoded(const std::vector<std::uint8_t>& z, int size,
                                         int channels) {
    return OrbPictureCodec::decode(z.data(), z.size(), size, size, channels);
}

// Painted tiles come back within the tiles' bound (looser where clear), clear
// and opaque alpha exact, other alpha within its own bound.
static void expectNear(const std::vector<std::uint8_t>& got,
                       const std::vector<std::uint8_t>& drawn) {
    ASSERT_EQ(got.size(), drawn.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const bool alpha = i % 4 == 3;
        const int bound = alpha ? (drawn[i] == 0 || drawn[i] == 255 ? 0 : ArtOutput::kAlphaBound)
                          : drawn[i | 3] == 0 ? ArtOutput::kClearBound
                                              : ArtOutput::kTileBound;
        EXPECT_LE(std::abs(got[i] - drawn[i]), bound) << "byte " << i;
    }
}

TEST_F(ArtOutputTest, SourceIncludesStreamsThatDecodeToThePictures) {
    const ArtBook book = smallBook();
    const fs::path path = folder / "art.cpp";
    ASSERT_TRUE(ArtOutput::writeSource(book, path.string()));
    EXPECT_FALSE(fs::exists(path.string() + ".part"));
    const std::vector<std::uint8_t> file = readFile(path);
    const std::string source(file.begin(), file.end());
    const fs::path blobPath = folder / "art.bin";
    EXPECT_EQ(ArtOutput::blobPath(path.string()), blobPath.string());
    const std::vector<std::uint8_t> blob = readFile(blobPath);
    EXPECT_NE(source.find(".incbin \\\"" + fs::absolute(blobPath).string() + "\\\""),
              std::string::npos);

    EXPECT_EQ(decoded(streamAfter(source, blob, "{{"), 4, 1), book.images[0].frames[0].bytes);
    EXPECT_NE(source.find(", 16}, GvArtFormat::Alpha, 4, 4}"), std::string::npos);
    // The set's frames follow the image, each in its own row of the frame list.
    // Each frame may be predicted from the one before it.
    std::size_t row = source.find("set0[] = {");
    std::vector<std::uint8_t> previous;
    for (int f = 0; f < 2; ++f) {
        row = source.find("    {gvArtBlob", row + 1);
        ASSERT_NE(row, std::string::npos);
        const std::vector<std::uint8_t> z = streamAfter(source.substr(row), blob, "{");
        std::vector<std::uint8_t> got(16);
        OrbPictureCodec::decode(z.data(), z.size(), 2, 2, 4, got.data(), 8,
                                previous.empty() ? nullptr : previous.data(), 8);
        expectNear(got, book.sets[0].frames[f].bytes);
        previous = got;
    }
    EXPECT_NE(source.find("{set0, 2, GvArtFormat::Rgba, 2, 2}"), std::string::npos);
    EXPECT_NE(source.find("gvArtImageCount = 1;"), std::string::npos);
    EXPECT_NE(source.find("gvArtSetCount = 1;"), std::string::npos);
}

TEST_F(ArtOutputTest, SourceIsRefusedWhenFramesDisagreeOrAreMissing) {
    ArtBook mixed = smallBook();
    mixed.sets[0].frames.push_back(picture(ArtFormat::Rgba, 4, 4, 3));
    EXPECT_FALSE(ArtOutput::writeSource(mixed, (folder / "a.cpp").string()));
    EXPECT_FALSE(fs::exists(folder / "a.cpp"));

    ArtBook wrongSize = smallBook();
    wrongSize.images[0].frames[0].bytes.pop_back();
    EXPECT_FALSE(ArtOutput::writeSource(wrongSize, (folder / "b.cpp").string()));

    ArtBook empty = smallBook();
    empty.sets[0].frames.clear();
    EXPECT_FALSE(ArtOutput::writeSource(empty, (folder / "c.cpp").string()));
    EXPECT_FALSE(fs::exists(folder / "c.cpp"));
}

TEST_F(ArtOutputTest, SourceIntoAMissingFolderFailsWithoutLeftovers) {
    EXPECT_FALSE(ArtOutput::writeSource(smallBook(), (folder / "no" / "art.cpp").string()));
    EXPECT_FALSE(fs::exists(folder / "no"));
}

TEST_F(ArtOutputTest, SheetsOfASmallBookAreValidPngs) {
    ASSERT_TRUE(ArtOutput::writeSheets(smallBook(), folder.string()));
    for (const char* name : {"contact-sheet.png", "Mark.png", "Blink.png", "scene-64.png",
                             "scene-32.png", "text.png"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(folder / name));
        const Png png = readPng(folder / name);
        EXPECT_GT(png.width, 0u);
        EXPECT_GT(png.height, 0u);
    }
    // The tiled set is shown repeated 2 x 2 with an 8 pixel frame.
    const Png blink = readPng(folder / "Blink.png");
    EXPECT_EQ(blink.height, 2u * 2u + 8u + 8u);
}
