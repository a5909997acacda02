#include "graphics/OrbFont.h"

OrbFont::OrbFont(int replacementChar, float baseline, float slant, float smallCapsScale)
    : replacementChar_(replacementChar & 0xff), baseline_(baseline), slant_(slant),
      smallCapsScale_(smallCapsScale) {
    glyphTexture_.fill(-1);
}

void OrbFont::addGlyph(int code, std::unique_ptr<OrbTexture> texture, float advance) {
    const int index = glyphs_.add(std::move(texture));
    glyphTexture_[static_cast<std::size_t>(code & 0xff)] = index;
    advance_[static_cast<std::size_t>(code & 0xff)] = advance;
}

int OrbFont::glyphCode(int code) const {
    code &= 0xff;
    return glyphTexture_[static_cast<std::size_t>(code)] >= 0 ? code : replacementChar_;
}

float OrbFont::glyphAdvance(int code) const {
    return advance_[static_cast<std::size_t>(glyphCode(code))];
}

float OrbFont::charAdvance(int code, float size, int flags, float scale, bool slantExtra) const {
    code &= 0xff;
    const float advance = (flags & kSmallCaps) && isLower(code)
                              ? glyphAdvance(code - 'a' + 'A') * smallCapsScale_
                              : glyphAdvance(code);
    const float extra = slantExtra && (flags & kSlanted) ? slant_ : 0.0f;
    return (advance * scale + extra) * size;
}

float OrbFont::textWidth(std::string_view text, float size, int flags, float scale,
                         bool slantExtra) const {
    float sum = 0.0f;
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c);
        sum += (flags & kSmallCaps) && isLower(code)
                   ? glyphAdvance(code - 'a' + 'A') * smallCapsScale_
                   : glyphAdvance(code);
    }
    const float extra = slantExtra && (flags & kSlanted) ? slant_ : 0.0f;
    return size * (extra + scale * sum);
}

OrbRect OrbFont::layout(std::string_view text, OrbPoint position, float size, int flags,
                        int alignment, float scale, bool slantExtra) const {
    const float width = textWidth(text, size, flags, scale, slantExtra);
    float left = position.x;
    switch (alignment & 0x0f) {
    case kAlignCentre:
        left -= width / 2.0f;
        break;
    case kAlignRight:
        left -= width;
        break;
    default:
        break;
    }
    float bottom = position.y;
    switch ((alignment >> 4) & 0x0f) {
    case 2:
        bottom -= size / 2.0f;
        break;
    case 3:
        bottom -= size;
        break;
    default:
        break;
    }
    return OrbRect{left, bottom, width, size};
}

float OrbFont::drawText(OrbPoint position, std::string_view text, float size,
                        const OrbColor& colour, int flags, int alignment, float scale) {
    const OrbRect box = layout(text, position, size, flags, alignment, scale, true);
    float x = box.x;
    const float bottom = box.y;
    for (const char c : text) {
        int code = static_cast<unsigned char>(c);
        float glyphSize = size;
        float y = bottom;
        if ((flags & kSmallCaps) && isLower(code)) {
            code = code - 'a' + 'A';
            glyphSize = size * smallCapsScale_;
            // Raised so that the smaller capital stands on the same baseline.
            y += size * baseline_ * (1.0f - smallCapsScale_);
        }
        code = glyphCode(code);
        const int index = glyphTexture_[static_cast<std::size_t>(code)];
        const float advance = advance_[static_cast<std::size_t>(code)];
        const float w = scale * advance * glyphSize;
        if (index >= 0) {
            float bottomShift = 0.0f;
            float topShift = 0.0f;
            if (flags & kSlanted) {
                bottomShift = -glyphSize * baseline_ * slant_;
                topShift = glyphSize * (1.0f - baseline_) * slant_;
            }
            const float top = y + glyphSize;
            glyphs_[index].addQuad({OrbPoint{x + bottomShift, y}, OrbPoint{x + topShift, top},
                                    OrbPoint{x + w + topShift, top},
                                    OrbPoint{x + w + bottomShift, y}},
                                   {OrbPoint{0.0f, 0.0f}, OrbPoint{0.0f, 1.0f},
                                    OrbPoint{advance, 1.0f}, OrbPoint{advance, 0.0f}},
                                   colour);
        }
        x += w;
    }
    return x;
}

float OrbFont::drawTextNow(OrbPoint position, std::string_view text, float size,
                           const OrbColor& colour, int flags, int alignment, float scale) {
    const float x = drawText(position, text, size, colour, flags, alignment, scale);
    flushGlyphs();
    return x;
}

void OrbFont::wrapLines(std::string_view text, std::vector<std::string>& lines, float maxWidth,
                        float size, int flags, float scale) const {
    const std::size_t length = text.size();
    std::size_t pos = 0;
    while (pos < length) {
        const std::size_t start = pos;
        std::size_t end = start;
        std::size_t i = start;
        float width = 0.0f;
        for (;;) {
            // A word is measured together with the spaces before it.
            while (i < length && text[i] == ' ') {
                width += charAdvance(' ', size, flags, scale, false);
                ++i;
            }
            while (i < length && text[i] != ' ' && text[i] != '\n') {
                width +=
                    charAdvance(static_cast<unsigned char>(text[i]), size, flags, scale, false);
                ++i;
            }
            if (width <= maxWidth || end == start) {
                end = i;
            }
            if (i >= length || text[i] == '\n' || width > maxWidth) {
                break;
            }
        }
        lines.emplace_back(text.substr(start, end - start));
        pos = end;
        while (pos < length && text[pos] == ' ') {
            ++pos;
        }
        if (pos < length && text[pos] == '\n') {
            ++pos;
        }
    }
}

std::string OrbFont::filterText(std::string_view text, bool keepLineBreaks) {
    std::string out(text);
    for (char& c : out) {
        const int code = static_cast<unsigned char>(c);
        const bool drawable =
            (code >= 32 && code <= 95) || isLower(code) || (keepLineBreaks && code == '\n');
        if (!drawable) {
            c = kFilteredChar;
        }
    }
    return out;
}
