#include "graphics/GvFont.h"

#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbPictureCodec.h"

#include <string_view>

namespace {

// Advances are in 29ths of the text size, the grid the glyphs were drawn on.
constexpr float kNarrow = 9.0f / 29.0f;
constexpr float kBracket = 14.0f / 29.0f;
constexpr float kMedium = 19.0f / 29.0f;

std::vector<unsigned char> inflateFontImage(const OrbEmbeddedData& image) {
    const std::size_t expected = static_cast<std::size_t>(GvFont::kCellsAcross) *
                                 GvFont::kCellRows * GvFont::kCellSize * GvFont::kCellSize;
    if (image.size != expected) {
        throw OrbCorruptDataTextureException();
    }
    return OrbPictureCodec::decode(image.bytes, image.compressedSize,
                                   GvFont::kCellsAcross * GvFont::kCellSize,
                                   GvFont::kCellRows * GvFont::kCellSize, 1);
}

} // namespace

GvFont::GvFont(const OrbEmbeddedData& image) : OrbFont(24, 0.077586204f, 0.5f, 0.8f) {
    const std::vector<unsigned char> pixels = inflateFontImage(image);
    cutGlyphs(pixels.data(), kCellSize);
}

GvFont::GvFont(const unsigned char* alphaImage, int cellSize)
    : OrbFont(24, 0.077586204f, 0.5f, 0.8f) {
    cutGlyphs(alphaImage, cellSize);
}

void GvFont::cutGlyphs(const unsigned char* alphaImage, int cellSize) {
    const int imageWidth = kCellsAcross * cellSize;
    for (int cell = 0; cell < kCellsAcross * kCellRows; ++cell) {
        const int x = (cell % kCellsAcross) * cellSize;
        const int y = (cell / kCellsAcross) * cellSize;
        const int code = kFirstCode + cell;
        addGlyph(code,
                 std::make_unique<OrbTexture>(alphaImage, OrbPixelAlpha, imageWidth, x, y, cellSize,
                                              cellSize, OrbWrapClampToEdge, OrbWrapClampToEdge,
                                              OrbFilterLinear, OrbFilterLinearMipmapLinear, true),
                 advanceOf(code));
    }
}

float GvFont::advanceOf(int code) {
    if (code < kFirstCode || code >= kFirstCode + kCellsAcross * kCellRows) {
        return 0.0f;
    }
    if (code < 32) {
        return code == 28 ? kMedium : 1.0f;
    }
    const char c = static_cast<char>(code);
    if (std::string_view(" \"+-/<>?\\0123456789").find(c) != std::string_view::npos) {
        return kMedium;
    }
    if (std::string_view("!',.:;I").find(c) != std::string_view::npos) {
        return kNarrow;
    }
    if (std::string_view("()[]").find(c) != std::string_view::npos) {
        return kBracket;
    }
    return 1.0f;
}
