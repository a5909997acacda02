#pragma once

#include "graphics/OrbFont.h"
#include "platform/OrbEmbeddedData.h"

// The game's font: character codes 16 to 95 (status symbols, digits, capitals and
// punctuation) cut from one alpha image of 8 x 10 square cells, taken along each row
// in storage order. A glyph is drawn from the left part of its cell, as wide as its
// advance. Lower-case letters are drawn as small capitals, all else as code 24.
class GvFont : public OrbFont {
public:
    static constexpr int kFirstCode = 16;
    static constexpr int kCellsAcross = 8;
    static constexpr int kCellRows = 10;
    static constexpr int kCellSize = 128;

    // From the embedded coded glyph image (see OrbPictureCodec); throws
    // OrbCorruptDataTextureException when it does not decode to its exact size.
    explicit GvFont(const OrbEmbeddedData& image);
    // From an inflated alpha image of 8 x 10 cells of cellSize x cellSize pixels.
    explicit GvFont(const unsigned char* alphaImage, int cellSize = kCellSize);

    // The advance of a code of this font, in text sizes (0 where there is no glyph).
    static float advanceOf(int code);

private:
    void cutGlyphs(const unsigned char* alphaImage, int cellSize);
};
