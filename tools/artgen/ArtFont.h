#pragma once

#include "ArtCanvas.h"

#include <string>
#include <vector>

// The game's lettering: capitals, digits, punctuation and the symbol glyphs,
// drawn as rounded strokes. Units are 29ths of the text size; the baseline sits
// 2.25 units above the bottom of a glyph cell.
struct ArtGlyphStyle {
    float strokeRadius = 1.85f; // half the stroke width
    float capHeight = 20.0f;    // from the baseline to the top of a capital
    float baseline = 2.25f;
    float cornerRadius = 4.5f; // rounding of the square letterforms
};

struct ArtSegment {
    V2 a, b;
};

class ArtFont {
public:
    // Advance of a code in units (0 when the font has no glyph for it).
    static float advance(int code);

    // The centre lines of a letter, digit or punctuation glyph in units, with
    // the glyph cell's lower-left corner at the origin. Symbol glyphs have none.
    static std::vector<ArtSegment> strokes(int code, const ArtGlyphStyle& style);

    // Signed distance (units, negative inside) of glyph 'code' at p.
    static float distance(int code, V2 p, const ArtGlyphStyle& style,
                          const std::vector<ArtSegment>& segments);

    // The 1024 x 1280 alpha sheet of glyphs 16..95.
    static ArtPicture sheet();

    // Draws a line of text (upper case) into a canvas, for labels on the
    // contact sheet: 'origin' is the lower-left of the first cell in pixels,
    // 'size' the text size in pixels.
    static void drawText(ArtCanvas& canvas, const std::string& text, V2 origin, float size,
                         V3 colour);
};
