// The pictures of the menus: title logo, panel and control pieces, the window
// icon.
#include "ArtBook.h"
#include "ArtFont.h"
#include "ArtShade.h"
#include "ArtShapes.h"

ArtPicture drawLogo() {
    const int w = 1024, h = 256;
    ArtCanvas canvas(w, h);
    // Letters laid out in pixels: wide and tall, heavy strokes.
    ArtGlyphStyle style;
    style.cornerRadius = 5.5f;
    const std::string word = "GRAVIK";
    float units = 0;
    for (char c : word) {
        units += ArtFont::advance(c);
    }
    const float sx = 930.0f / units, sy = 8.2f;
    const float left = (w - units * sx) / 2 + 2, bottom = 36 - style.baseline * sy;
    std::vector<ArtSegment> segs;
    float pen = 0;
    for (char c : word) {
        for (const ArtSegment& s : ArtFont::strokes(c, style)) {
            segs.push_back({{left + (pen + s.a.x) * sx, bottom + s.a.y * sy},
                            {left + (pen + s.b.x) * sx, bottom + s.b.y * sy}});
        }
        pen += ArtFont::advance(c);
    }
    const float radius = 17;
    auto letters = [&](V2 p) {
        float d = 1e9f;
        for (const ArtSegment& s : segs) {
            d = std::min(d, sdSegment(p, s.a, s.b));
        }
        return d - radius;
    };
    const float top = bottom + (style.baseline + style.capHeight) * sy + radius * 0.2f;
    const float base = bottom + style.baseline * sy - radius * 0.2f;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const V2 p{x + 0.5f, y + 0.5f};
            const float d = letters(p);
            const float shadowD = letters({p.x - 9, p.y + 11});
            C4 out{{0, 0, 0}, 0};
            // Soft shadow falling down and to the right.
            out = over(out, {{0.02f, 0.01f, 0.03f}, 0.75f * (1 - smoothstep(-6, 16, shadowD))});
            // Dark rim around the letters.
            out = over(out, {{0.09f, 0.05f, 0.03f}, coverage(d - 7, 1)});
            if (d < 1) {
                const V2 g = gradientOf(letters, p, 1);
                V3 n = bevelNormal(g, d, 10);
                const float grain = fbm(p.x / 22, p.y / 22, 0.5f, 77, 4);
                const float fine = gradientNoise(p.x / 4, p.y / 4, 3.1f, 78);
                n = bump(n, grain * 0.25f + fine * 0.08f, -grain * 0.15f);
                const float t = clamp01((p.y - base) / (top - base));
                V3 c = mix(rgb(0x8a2e0c), rgb(0xf09a24), smoothstep(0.0f, 0.55f, t));
                c = mix(c, rgb(0xffe8a8), smoothstep(0.55f, 1.0f, t));
                // A band of darker strata, like layers of rock.
                c = c * (0.9f + 0.1f * std::sin(p.y * 0.18f + grain * 5));
                const float lit = 0.35f + 0.85f * diffuse(n);
                V3 col = c * lit + V3{1, 0.95f, 0.8f} * (0.7f * specular(n, 40));
                // Inner edge line catches the light on the upper-left sides.
                col = col + V3{1, 0.9f, 0.6f} *
                                (0.25f * smoothstep(-4, -1, d) * std::max(0.0f, -g.x * 0.4f + g.y));
                out = over(out, {col, coverage(d, 1)});
            }
            canvas.at(x, y) = out;
        }
    }
    // Two glints where the light strikes the letters.
    const V2 glints[2] = {{left + 6.0f * sx, top - 10}, {left + (units - 7.5f) * sx, top - 12}};
    canvas.paint([&](V2 q) {
        const V2 p{q.x * w, q.y * h};
        float a = 0;
        for (V2 g : glints) {
            a = std::max(a, starGlow(p - g, 34));
        }
        return C4{{1, 0.97f, 0.85f}, a};
    });
    return finish(canvas, ArtFormat::Rgba);
}

ArtPicture drawDivider() {
    // A slim metal rule with a warm line of light along its middle; the same
    // all along, so it repeats at any length.
    ArtCanvas canvas(64, 64);
    canvas.paint([](V2 p) {
        const float v = (p.y - 0.5f) / 0.3f;
        const float a = 1 - smoothstep(0.8f, 1.0f, std::fabs(v));
        const float tube = std::sqrt(std::max(0.0f, 1 - v * v));
        V3 c = mix(rgb(0x28303c), rgb(0x9aa8b8), clamp01(0.5f + 0.5f * v)) * (0.6f + 0.4f * tube);
        const float core = std::exp(-v * v * 40);
        c = mix(c, rgb(0xffd27a), core * 0.9f);
        return C4{c, a};
    });
    return finish(canvas, ArtFormat::Rgba);
}

ArtPicture drawPanelEdge() {
    // A quarter ring about the lower-left corner: transparent inside, a bright
    // rim at three quarters of the way out, then a fading glow. Strips along
    // panel edges sample one column of it.
    ArtCanvas canvas(128, 128);
    canvas.paint(
        [](V2 p) {
            const float r = length(p);
            const float rim = 1 - smoothstep(0.045f, 0.06f, std::fabs(r - 0.74f));
            const float inner = smoothstep(0.45f, 0.72f, r) * 0.35f * (r < 0.74f);
            const float outer = (r > 0.74f) * 0.5f * (1 - smoothstep(0.74f, 0.98f, r));
            return C4{{1, 1, 1}, std::max({rim, inner, outer})};
        },
        2);
    return finish(canvas, ArtFormat::Alpha);
}

ArtPicture drawRamp() {
    ArtCanvas canvas(256, 64);
    canvas.paint(
        [](V2 p) {
            const V2 q{p.x * 256, p.y * 64};
            const float d = sdCapsule(q, {30, 32}, {226, 32}, 26);
            const float v = (q.y - 32) / 26;
            const float tube = std::sqrt(std::max(0.0f, 1 - v * v));
            const float lum = (0.3f + 0.7f * p.x) * (0.55f + 0.45f * tube) +
                              0.25f * smoothstep(0.3f, 0.7f, v) * tube;
            return C4{{lum, lum, lum}, coverage(d, 1)};
        },
        2);
    return finish(canvas, ArtFormat::LuminanceAlpha);
}

ArtPicture drawScroller() {
    ArtCanvas canvas(64, 64);
    canvas.paint(
        [](V2 p) {
            const V2 q{(p.x - 0.5f) * 64, (p.y - 0.5f) * 64};
            const float r = length(q);
            const float d = r - 30;
            const V3 n =
                normalize({q.x / 30, q.y / 30, std::sqrt(std::max(0.05f, 1 - r * r / 900))});
            float lum = 0.25f + 0.6f * diffuse(n) + 0.5f * specular(n, 24);
            lum *= 1 - 0.35f * smoothstep(-3, 0, d); // dark outline
            return C4{{lum, lum, lum}, coverage(d, 1)};
        },
        2);
    return finish(canvas, ArtFormat::LuminanceAlpha);
}

ArtPicture drawSparkle() {
    ArtCanvas canvas(128, 128);
    canvas.paint([](V2 p) {
        const V2 q{(p.x - 0.5f) * 128, (p.y - 0.5f) * 128};
        return C4{{1, 1, 1}, starGlow(q, 62)};
    });
    return finish(canvas, ArtFormat::Alpha);
}

ArtPicture drawSquareEdge() {
    ArtCanvas canvas(128, 128);
    canvas.paint([](V2 p) {
        const V2 q{p.x * 128, p.y * 128};
        const float edge = std::min({q.x, q.y, 128 - q.x, 128 - q.y});
        return C4{{1, 1, 1}, smoothstep(0.0f, 3.0f, edge)};
    });
    return finish(canvas, ArtFormat::Alpha);
}

std::vector<ArtPicture> drawButton() {
    std::vector<ArtPicture> out;
    for (int pressed = 0; pressed < 2; ++pressed) {
        ArtCanvas canvas(128, 128);
        canvas.paint(
            [pressed](V2 p) {
                const V2 q{p.x * 128, p.y * 128};
                auto shape = [](V2 s) { return length(s - V2{64, 64}) - 60; };
                const float d = shape(q);
                const V2 g = gradientOf(shape, q, 0.5f);
                // Raised glassy face; pressed, the face sinks and the light
                // falls on the lower rim instead.
                V3 n = bevelNormal(g, d, 14);
                if (pressed) {
                    n = {-n.x, -n.y, n.z};
                }
                const float v = (q.y - 64) / 60;
                float lum = (pressed ? 0.1f : 0.16f) + (pressed ? -0.04f : 0.1f) * v;
                lum += 0.45f * (diffuse(n) - 0.62f) * smoothstep(-16, -2, d);
                lum += (pressed ? 0.1f : 0.3f) * specular(n, 20) * smoothstep(-16, -2, d);
                // Gloss band over the upper half.
                lum += (pressed ? 0.03f : 0.09f) * smoothstep(0.05f, 0.35f, v) *
                       (1 - smoothstep(-20, -12, d));
                lum *= 1 - 0.6f * smoothstep(-2.5f, 0, d); // dark outline
                lum = clamp01(lum);
                return C4{{lum, lum, lum}, coverage(d, 1)};
            },
            2);
        out.push_back(finish(canvas, ArtFormat::LuminanceAlpha));
    }
    return out;
}

ArtPicture drawWindowIcon(int size) {
    // Shapes are laid out on a 64-unit grid whatever the size; edges stay one pixel soft.
    const float pixel = 64.0f / static_cast<float>(size);
    ArtCanvas canvas(size, size);
    canvas.paint(
        [pixel](V2 p) {
            const V2 q{p.x * 64, p.y * 64};
            const float d = sdBox(q, {32, 32}, {30, 30}, 10);
            const float grain = fbm(q.x / 9, q.y / 9, 0.2f, 5, 3);
            const V3 base = mix(rgb(0x141a2a), rgb(0x2c3850), clamp01(p.y + grain * 0.4f));
            const V3 n = bevelNormal(gradientOf(
                                         [](V2 s) {
                                             return sdBox(s, {32, 32}, {30, 30}, 10);
                                         },
                                         q, 0.5f),
                                     d, 5);
            V3 c = base * (0.6f + 0.6f * diffuse(n));
            c = c * (1 - 0.5f * smoothstep(-2, 0, d));
            return C4{c, coverage(d, pixel)};
        },
        2);
    canvas.paint(
        [size](V2 p) {
            return shadeDiamond({(p.x - 0.5f) * 1.25f + 0.5f, (p.y - 0.5f) * 1.25f + 0.52f},
                                1.25f / static_cast<float>(size), 0);
        },
        3);
    return finish(canvas, ArtFormat::Rgba);
}
