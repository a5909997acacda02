#include "ArtFont.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

// Glyph widths, in the four advance classes the game measures text with.
enum class Width { Symbol, Wide, Narrow, Bracket, Thin, None };

static Width widthClass(int code) {
    if ((code >= 16 && code <= 27) || (code >= 29 && code <= 31)) {
        return Width::Symbol;
    }
    if (code == 28) {
        return Width::Narrow;
    }
    switch (code) {
    case ' ':
    case '"':
    case '+':
    case '-':
    case '/':
    case '<':
    case '>':
    case '?':
    case '\\':
        return Width::Narrow;
    case '!':
    case '\'':
    case ',':
    case '.':
    case ':':
    case ';':
    case 'I':
        return Width::Thin;
    case '(':
    case ')':
    case '[':
    case ']':
        return Width::Bracket;
    default:
        break;
    }
    if (code >= '0' && code <= '9') {
        return Width::Narrow;
    }
    if ((code >= 'A' && code <= 'Z') || code == '#' || code == '$' || code == '%' || code == '&' ||
        code == '*' || code == '=' || code == '@' || code == '^' || code == '_') {
        return Width::Wide;
    }
    return Width::None;
}

float ArtFont::advance(int code) {
    switch (widthClass(code)) {
    case Width::Symbol:
    case Width::Wide:
        return 29;
    case Width::Narrow:
        return 19;
    case Width::Bracket:
        return 14;
    case Width::Thin:
        return 9;
    case Width::None:
        break;
    }
    return 0;
}

// Stroke outlines on a unit box (x and y from 0 to 1 between the stroke
// centres of the glyph's sides, baseline to cap height). Strokes are separated
// by '|'; a point is "x,y", suffixed R (rounded corner), Q (wide rounded
// corner); "Z" closes a stroke; a lone point is a dot.
static const char* outline(int code) {
    switch (code) {
    case 'A':
        return "0,0 0,1R 1,1R 1,0|0,0.48 1,0.48";
    case 'B':
        return "0,0 0,1 0.8,1R 0.8,0.52R 0,0.52|0.8,0.52 1,0.52R 1,0R 0,0";
    case 'C':
        return "1,1 0,1R 0,0R 1,0";
    case 'D':
        return "0,0 0,1 0.9,1Q 0.9,0Q Z";
    case 'E':
        return "1,1 0,1 0,0 1,0|0,0.52 0.78,0.52";
    case 'F':
        return "1,1 0,1 0,0|0,0.52 0.78,0.52";
    case 'G':
        return "1,1 0,1R 0,0R 1,0R 1,0.5 0.55,0.5";
    case 'H':
        return "0,0 0,1|1,0 1,1|0,0.52 1,0.52";
    case 'I':
        return "0.5,0 0.5,1";
    case 'J':
        return "1,1 1,0R 0,0R 0,0.32";
    case 'K':
        return "0,0 0,1|0,0.5 0.45,0.5 1,1|0.45,0.5 1,0";
    case 'L':
        return "0,1 0,0 1,0";
    case 'M':
        return "0,0 0,1R 1,1R 1,0|0.5,1 0.5,0.3";
    case 'N':
        return "0,0 0,1 1,0 1,1";
    case 'O':
        return "0,0R 0,1R 1,1R 1,0R Z";
    case 'P':
        return "0,0 0,1 1,1R 1,0.48R 0,0.48";
    case 'Q':
        return "0,0R 0,1R 1,1R 1,0R Z|0.62,0.22 1.05,-0.12";
    case 'R':
        return "0,0 0,1 1,1R 1,0.5R 0,0.5|0.5,0.5 1,0";
    case 'S':
        return "1,1 0,1R 0,0.52R 1,0.52R 1,0R 0,0";
    case 'T':
        return "0,1 1,1|0.5,1 0.5,0";
    case 'U':
        return "0,1 0,0R 1,0R 1,1";
    case 'V':
        return "0,1 0.5,0 1,1";
    case 'W':
        return "0,1 0,0R 1,0R 1,1|0.5,0 0.5,0.7";
    case 'X':
        return "0,0 1,1|0,1 1,0";
    case 'Y':
        return "0,1 0.5,0.5 1,1|0.5,0.5 0.5,0";
    case 'Z':
        return "0,1 1,1 0,0 1,0";
    case '0':
        return "0,0R 0,1R 1,1R 1,0R Z";
    case '1':
        return "0.15,0.78 0.6,1 0.6,0";
    case '2':
        return "0,1 1,1R 1,0.5R 0,0.5R 0,0 1,0";
    case '3':
        return "0,1 1,1R 1,0R 0,0|0.3,0.52 1,0.52";
    case '4':
        return "0,1 0,0.4 1,0.4|0.78,0.72 0.78,0";
    case '5':
        return "1,1 0,1 0,0.55 1,0.55R 1,0R 0,0";
    case '6':
        return "1,1 0,1R 0,0R 1,0R 1,0.55R 0,0.55";
    case '7':
        return "0,1 1,1 0.35,0";
    case '8':
        return "0,0R 0,1R 1,1R 1,0R Z|0,0.52 1,0.52";
    case '9':
        return "0,0 1,0R 1,1R 0,1R 0,0.45R 1,0.45";
    case '!':
        return "0.5,1 0.5,0.38|0.5,0";
    case '"':
        return "0.25,1 0.25,0.68|0.75,1 0.75,0.68";
    case '#':
        return "0.32,-0.05 0.32,1.05|0.68,-0.05 0.68,1.05|0,0.3 1,0.3|0,0.7 1,0.7";
    case '$':
        return "1,0.88 0,0.88R 0,0.5R 1,0.5R 1,0.12R 0,0.12|0.5,1.12 0.5,-0.12";
    case '%':
        return "0,0 1,1|0,0.72R 0,1R 0.3,1R 0.3,0.72R Z|0.7,0R 0.7,0.28R 1,0.28R 1,0R Z";
    case '&':
        return "1,0 0.15,0.7R 0.15,1R 0.72,1R 0.72,0.72R 0,0.35R 0,0R 0.78,0R 1,0.35";
    case '\'':
        return "0.5,1 0.5,0.68";
    case '(':
        return "0.9,1.14 0.15,0.72Q 0.15,0.28Q 0.9,-0.14";
    case ')':
        return "0.1,1.14 0.85,0.72Q 0.85,0.28Q 0.1,-0.14";
    case '*':
        return "0.5,1 0.5,0.36|0.18,0.84 0.82,0.52|0.82,0.84 0.18,0.52";
    case '+':
        return "0.5,0.12 0.5,0.88|0,0.5 1,0.5";
    case ',':
        return "0.7,0.06 0.25,-0.22";
    case '-':
        return "0,0.5 1,0.5";
    case '.':
        return "0.5,0";
    case '/':
        return "0,-0.1 1,1.1";
    case ':':
        return "0.5,0|0.5,0.56";
    case ';':
        return "0.7,0.06 0.25,-0.22|0.5,0.56";
    case '<':
        return "1,0.92 0,0.5 1,0.08";
    case '=':
        return "0,0.3 1,0.3|0,0.7 1,0.7";
    case '>':
        return "0,0.92 1,0.5 0,0.08";
    case '?':
        return "0,1 1,1R 1,0.56R 0.5,0.56R 0.5,0.34|0.5,0";
    case '@':
        return "0.72,0.26 0.72,0.72 0.3,0.72R 0.3,0.26R 0.72,0.26 1,0.26R 1,1R 0,1R 0,0R 1,0";
    case '[':
        return "1,1.14 0,1.14 0,-0.14 1,-0.14";
    case '\\':
        return "0,1.1 1,-0.1";
    case ']':
        return "0,1.14 1,1.14 1,-0.14 0,-0.14";
    case '^':
        return "0.1,0.62 0.5,1 0.9,0.62";
    case '_':
        return "0,-0.12 1,-0.12";
    default:
        return nullptr;
    }
}

// Replaces rounded corners by short quadratic curves and appends the pieces.
static void addStroke(std::vector<ArtSegment>& out, const std::vector<V2>& pts,
                      const std::vector<float>& radius, bool closed) {
    const int n = static_cast<int>(pts.size());
    if (n == 1) {
        out.push_back({pts[0], pts[0]});
        return;
    }
    std::vector<V2> path;
    for (int i = 0; i < n; ++i) {
        const bool end = !closed && (i == 0 || i == n - 1);
        if (end || radius[i] <= 0) {
            path.push_back(pts[i]);
            continue;
        }
        const V2 prev = pts[(i + n - 1) % n], next = pts[(i + 1) % n], p = pts[i];
        const float lin = length(p - prev), lout = length(next - p);
        const V2 d1 = (p - prev) * (1 / lin), d2 = (next - p) * (1 / lout);
        const float turn = std::acos(std::clamp(dot(d1, d2), -1.0f, 1.0f));
        const float t = std::min({radius[i] * std::tan(turn / 2), lin * 0.5f, lout * 0.5f});
        const V2 a = p - d1 * t, b = p + d2 * t;
        const int steps = 10;
        for (int s = 0; s <= steps; ++s) {
            const float u = static_cast<float>(s) / steps;
            path.push_back(a * ((1 - u) * (1 - u)) + p * (2 * u * (1 - u)) + b * (u * u));
        }
    }
    if (closed) {
        path.push_back(path.front());
    }
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        out.push_back({path[i], path[i + 1]});
    }
}

std::vector<ArtSegment> ArtFont::strokes(int code, const ArtGlyphStyle& style) {
    std::vector<ArtSegment> out;
    const char* text = outline(code);
    if (!text) {
        return out;
    }
    const float r = style.strokeRadius, adv = advance(code);
    float bearing = 2.3f;
    switch (widthClass(code)) {
    case Width::Narrow:
        bearing = 2.2f;
        break;
    case Width::Bracket:
        bearing = 2.4f;
        break;
    case Width::Thin:
        bearing = 4.5f - r - 1.1f;
        break;
    default:
        break;
    }
    const float x0 = bearing + r, x1 = adv - bearing - r;
    const float y0 = style.baseline + r, y1 = style.baseline + style.capHeight - r;
    std::stringstream all(text);
    std::string stroke;
    while (std::getline(all, stroke, '|')) {
        std::stringstream words(stroke);
        std::string word;
        std::vector<V2> pts;
        std::vector<float> radius;
        bool closed = false;
        while (words >> word) {
            if (word == "Z") {
                closed = true;
                continue;
            }
            float rr = 0;
            if (word.back() == 'R') {
                rr = style.cornerRadius;
                word.pop_back();
            } else if (word.back() == 'Q') {
                rr = style.cornerRadius * 2.2f;
                word.pop_back();
            }
            const std::size_t comma = word.find(',');
            const float nx = std::strtof(word.substr(0, comma).c_str(), nullptr);
            const float ny = std::strtof(word.substr(comma + 1).c_str(), nullptr);
            pts.push_back({x0 + nx * (x1 - x0), y0 + ny * (y1 - y0)});
            radius.push_back(rr);
        }
        if (closed && pts.size() > 1 && length(pts.front() - pts.back()) < 1e-4f) {
            pts.pop_back();
            radius.pop_back();
        }
        addStroke(out, pts, radius, closed);
    }
    return out;
}

static float sdStar(V2 p, V2 c, float outer, float inner) {
    V2 v[10];
    for (int i = 0; i < 10; ++i) {
        const float a = kPi / 2 + i * kPi / 5;
        const float rr = (i % 2) ? inner : outer;
        v[i] = {c.x + rr * std::cos(a), c.y + rr * std::sin(a)};
    }
    return sdPolygon(p, v, 10);
}

static float sdTriangle(V2 p, V2 a, V2 b, V2 c, float round) {
    // Shrink towards the centre, then grow back by 'round' for soft corners.
    const V2 m = (a + b + c) * (1.0f / 3);
    auto in = [&](V2 q) {
        const V2 d = q - m;
        return m + d * (1 - round * 1.8f / length(d));
    };
    const V2 v[3] = {in(a), in(b), in(c)};
    return sdPolygon(p, v, 3) - round;
}

static float sdLines(V2 p, std::initializer_list<V2> pts, float r) {
    float d = 1e9f;
    const V2* v = pts.begin();
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        d = std::min(d, sdSegment(p, v[i], v[i + 1]));
    }
    return d - r;
}

// The symbol glyphs, drawn as filled shapes.
static float symbolDistance(int code, V2 p, const ArtGlyphStyle& style) {
    const float cx = 14.5f, cy = style.baseline + style.capHeight * 0.5f;
    const float r = style.strokeRadius;
    switch (code) {
    case 16: { // heart
        const float a = sdCircle(p, {cx - 5, cy + 3.5f}, 5.6f);
        const float b = sdCircle(p, {cx + 5, cy + 3.5f}, 5.6f);
        const V2 tri[3] = {{cx - 10.2f, cy + 1.6f}, {cx + 10.2f, cy + 1.6f}, {cx, cy - 9.8f}};
        return smoothMin(std::min(a, b), sdPolygon(p, tri, 3), 1.2f);
    }
    case 17: // record star
        return sdStar(p, {cx, cy + 0.4f}, 11.5f, 4.9f) - 0.5f;
    case 18: // check mark
        return sdLines(p, {{cx - 8, cy}, {cx - 2.5f, cy - 6}, {cx + 9, cy + 8}}, r * 1.2f);
    case 19: // cross
        return std::min(sdLines(p, {{cx - 7.5f, cy - 7.5f}, {cx + 7.5f, cy + 7.5f}}, r * 1.2f),
                        sdLines(p, {{cx - 7.5f, cy + 7.5f}, {cx + 7.5f, cy - 7.5f}}, r * 1.2f));
    case 20: { // level pack: stacked sheets
        const float hw = 10.5f, hh = 4.6f, top = cy + 5;
        float d = sdLines(
            p, {{cx - hw, top}, {cx, top + hh}, {cx + hw, top}, {cx, top - hh}, {cx - hw, top}},
            r * 0.85f);
        for (int k = 1; k <= 2; ++k) {
            const float y = top - 5.2f * k;
            d = std::min(d, sdLines(p, {{cx - hw, y}, {cx, y - hh}, {cx + hw, y}}, r * 0.85f));
        }
        return d;
    }
    case 21: // left arrow
        return std::min(sdLines(p, {{cx + 9, cy}, {cx - 7, cy}}, r),
                        sdLines(p, {{cx - 0.5f, cy + 8}, {cx - 8.5f, cy}, {cx - 0.5f, cy - 8}}, r));
    case 22: // right arrow
        return std::min(sdLines(p, {{cx - 9, cy}, {cx + 7, cy}}, r),
                        sdLines(p, {{cx + 0.5f, cy + 8}, {cx + 8.5f, cy}, {cx + 0.5f, cy - 8}}, r));
    case 23: // up arrow
        return sdTriangle(p, {cx - 9, cy - 6}, {cx + 9, cy - 6}, {cx, cy + 8}, 1.2f);
    case 24: { // replacement: a block with a question mark cut out
        const float block = sdBox(p, {cx, cy}, {10.5f, 10.5f}, 3.5f);
        ArtGlyphStyle small = style;
        small.strokeRadius = 1.5f;
        small.cornerRadius = 3;
        float q = 1e9f;
        for (const ArtSegment& s : ArtFont::strokes('?', small)) {
            const V2 o{cx - 9.5f, cy - 8.6f};
            const float k = 0.82f;
            const V2 a{o.x + s.a.x * k, o.y + (s.a.y - small.baseline) * k};
            const V2 b{o.x + s.b.x * k, o.y + (s.b.y - small.baseline) * k};
            q = std::min(q, sdSegment(p, a, b) - small.strokeRadius * k);
        }
        return std::max(block, -q);
    }
    case 25: // down arrow
        return sdTriangle(p, {cx - 9, cy + 6}, {cx + 9, cy + 6}, {cx, cy - 8}, 1.2f);
    case 26: // pause
        return std::min(sdBox(p, {cx - 4.5f, cy}, {2.4f, 9}, 1),
                        sdBox(p, {cx + 4.5f, cy}, {2.4f, 9}, 1));
    case 27: // play
        return sdTriangle(p, {cx - 7, cy + 10}, {cx - 7, cy - 10}, {cx + 10, cy}, 1.3f);
    case 28: // bullet
        return sdCircle(p, {9.5f, cy}, 3.6f);
    case 29: { // cave marker: a hill with a cave mouth
        const float hill = sdBox(p, {cx, cy - 0.4f}, {11.5f, 9.3f}, 8.5f);
        const float ground = p.y - (style.baseline + 0.01f);
        const float mouth = sdBox(p, {cx, style.baseline + 4}, {4.6f, 7.5f}, 4.4f);
        return std::max(std::max(hill, -ground), -mouth);
    }
    case 30: { // diamond
        const float girdle = cy + 3.6f, top = cy + 9.6f, bottom = cy - 9.8f;
        const V2 gem[5] = {
            {cx - 11, girdle}, {cx - 5.8f, top}, {cx + 5.8f, top}, {cx + 11, girdle}, {cx, bottom}};
        const float body = sdPolygon(p, gem, 5) + 0.4f;
        const float cut = 0.62f;
        float facets = sdSegment(p, {cx - 11, girdle}, {cx + 11, girdle});
        facets =
            std::min(facets, sdLines(p, {{cx - 5.8f, top}, {cx - 3.3f, girdle}, {cx, bottom}}, 0));
        facets =
            std::min(facets, sdLines(p, {{cx + 5.8f, top}, {cx + 3.3f, girdle}, {cx, bottom}}, 0));
        facets =
            std::min(facets, sdLines(p, {{cx - 3.3f, girdle}, {cx, top}, {cx + 3.3f, girdle}}, 0));
        return std::max(body, -(facets - cut));
    }
    case 31: { // clock
        const float ring = std::fabs(sdCircle(p, {cx, cy}, 9.6f)) - r * 0.9f;
        const float hands =
            sdLines(p, {{cx, cy + 6.2f}, {cx, cy}, {cx + 4.6f, cy - 2.2f}}, r * 0.8f);
        return std::min(ring, hands);
    }
    default:
        return 1e9f;
    }
}

float ArtFont::distance(int code, V2 p, const ArtGlyphStyle& style,
                        const std::vector<ArtSegment>& segments) {
    if (code >= 16 && code <= 31) {
        return symbolDistance(code, p, style);
    }
    float d = 1e9f;
    for (const ArtSegment& s : segments) {
        d = std::min(d, sdSegment(p, s.a, s.b));
    }
    return d - style.strokeRadius;
}

ArtPicture ArtFont::sheet() {
    const int cell = 128;
    ArtCanvas canvas(cell * 8, cell * 10);
    const ArtGlyphStyle style;
    const float unitsPerPixel = 29.0f / cell;
    for (int code = 16; code <= 95; ++code) {
        const int i = code - 16, cx = (i % 8) * cell, cy = (i / 8) * cell;
        const std::vector<ArtSegment> segs = strokes(code, style);
        const float adv = advance(code);
        for (int y = 0; y < cell; ++y) {
            for (int x = 0; x < cell; ++x) {
                const V2 p{(x + 0.5f) * unitsPerPixel, (y + 0.5f) * unitsPerPixel};
                if (p.x > adv) {
                    continue; // only the advance is ever shown
                }
                const float d = distance(code, p, style, segs);
                canvas.at(cx + x, cy + y) = {{1, 1, 1}, coverage(d, unitsPerPixel)};
            }
        }
    }
    return finish(canvas, ArtFormat::Alpha);
}

void ArtFont::drawText(ArtCanvas& canvas, const std::string& text, V2 origin, float size,
                       V3 colour) {
    const ArtGlyphStyle style;
    const float scale = size / 29.0f; // pixels per unit
    float penX = origin.x;
    for (char ch : text) {
        int code = std::toupper(static_cast<unsigned char>(ch));
        if (advance(code) == 0) {
            code = 24;
        }
        const std::vector<ArtSegment> segs = strokes(code, style);
        const float adv = advance(code);
        const int x0 = std::max(0, static_cast<int>(penX)),
                  x1 = std::min(canvas.width(), static_cast<int>(penX + adv * scale) + 1);
        const int y0 = std::max(0, static_cast<int>(origin.y)),
                  y1 = std::min(canvas.height(), static_cast<int>(origin.y + size) + 1);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const V2 p{(x + 0.5f - penX) / scale, (y + 0.5f - origin.y) / scale};
                const float a = coverage(distance(code, p, style, segs), 1 / scale);
                if (a > 0) {
                    canvas.at(x, y) = over(canvas.at(x, y), {colour, a});
                }
            }
        }
        penX += adv * scale;
    }
}
