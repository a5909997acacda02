#pragma once

#include "graphics/OrbColor.h"
#include "graphics/OrbPoint.h"
#include "graphics/OrbRect.h"
#include "graphics/OrbTextureSet.h"
#include "platform/OrbUncopyable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A bitmap font whose glyphs are textures. Text is measured in multiples of the text
// size, so one string can be drawn at any size in any projection. Character codes
// are bytes; a code without a glyph is drawn as the replacement glyph.
class OrbFont : public OrbUncopyable {
public:
    // Text flags.
    static constexpr int kSlanted = 1;
    static constexpr int kSmallCaps = 2;
    // Alignment: low four bits the horizontal anchor, the next four the vertical one.
    static constexpr int kAlignLeft = 1;
    static constexpr int kAlignCentre = 2;
    static constexpr int kAlignRight = 3;
    static constexpr int kAlignBottom = 1 << 4;
    static constexpr int kAlignMiddle = 2 << 4;
    static constexpr int kAlignTop = 3 << 4;
    static constexpr int kAlignLeftBottom = kAlignLeft | kAlignBottom;
    // The glyph drawn for characters the font cannot show, as filterText writes it.
    static constexpr char kFilteredChar = 24;

    virtual ~OrbFont() = default;

    void acquire() { glyphs_.acquire(); }
    void release() { glyphs_.release(); }

    float charAdvance(int code, float size, int flags, float scale, bool slantExtra) const;
    float textWidth(std::string_view text, float size, int flags, float scale,
                    bool slantExtra) const;
    // The box the text covers once aligned: left, bottom, width, height = size.
    OrbRect layout(std::string_view text, OrbPoint position, float size, int flags, int alignment,
                   float scale, bool slantExtra) const;

    // Batches the glyph quads; answers the x after the last glyph.
    float drawText(OrbPoint position, std::string_view text, float size, const OrbColor& colour,
                   int flags, int alignment, float scale = 1.0f);
    float drawTextNow(OrbPoint position, std::string_view text, float size, const OrbColor& colour,
                      int flags, int alignment, float scale = 1.0f);
    void flushGlyphs() { glyphs_.flush(); }

    // Splits text into lines no wider than maxWidth where words allow; a word wider
    // than that stands on a line of its own. Lines end at line breaks too.
    void wrapLines(std::string_view text, std::vector<std::string>& lines, float maxWidth,
                   float size, int flags, float scale) const;
    // Replaces every character the font cannot draw (outside 32 to 95 and 'a' to
    // 'z', and line breaks unless kept) with the replacement glyph.
    static std::string filterText(std::string_view text, bool keepLineBreaks);

    // The code whose glyph is drawn for `code`.
    int glyphCode(int code) const;
    const OrbTextureSet& glyphs() const { return glyphs_; }
    int replacementChar() const { return replacementChar_; }
    float baseline() const { return baseline_; }
    float slant() const { return slant_; }
    float smallCapsScale() const { return smallCapsScale_; }

protected:
    OrbFont(int replacementChar, float baseline, float slant, float smallCapsScale);

    // Makes `texture` the glyph of `code`, `advance` text sizes wide.
    void addGlyph(int code, std::unique_ptr<OrbTexture> texture, float advance);

private:
    float glyphAdvance(int code) const;
    static bool isLower(int code) { return code >= 'a' && code <= 'z'; }

    OrbTextureSet glyphs_;
    std::array<int, 256> glyphTexture_;
    std::array<float, 256> advance_{};
    int replacementChar_;
    float baseline_;
    float slant_;
    float smallCapsScale_;
};
