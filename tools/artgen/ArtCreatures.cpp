// The things that move in a cave: boulders, diamonds, bombs, fireflies,
// butterflies, explosions and the voodoo doll.
#include "ArtBook.h"
#include "ArtShade.h"
#include "ArtShapes.h"

static const int kTile = 128;
static const float kPx = 1.0f / kTile;

// ---- Boulder: one rough rock, turned in 18 degree steps; the light stays put.

static float boulderRadius(float theta) {
    return 0.43f * (1 + 0.045f * std::cos(2 * theta + 1.3f) + 0.035f * std::cos(3 * theta + 0.4f) +
                    0.025f * std::cos(5 * theta + 2.1f) + 0.012f * std::cos(8 * theta + 0.7f) +
                    0.006f * std::cos(13 * theta + 1.9f));
}

static C4 shadeBoulder(V2 p, float angle) {
    const V2 q = p - V2{0.5f, 0.49f};
    const V2 r = rotate(q, -angle); // rock space turns with the frame
    auto shape = [&](V2 s) {
        const V2 t = rotate(s - V2{0.5f, 0.49f}, -angle);
        return length(t) - boulderRadius(std::atan2(t.y, t.x));
    };
    const float d = shape(p);
    if (d > kPx) {
        return {{0, 0, 0}, 0};
    }
    const float R = boulderRadius(std::atan2(r.y, r.x));
    const float rho = std::min(0.999f, length(q) / R);
    // A dome with flat facets cut into it: each cell of cell noise is a facet
    // tilted its own way.
    const V2 g = gradientOf(shape, p, kPx * 0.5f);
    V3 n = domeNormal(g, d, 0.2f, 1.2f);
    const Cells cells = cellNoise(r.x * 4.2f + 10, r.y * 4.2f + 10, 31);
    const float tx = (hashUnit(cells.cx, cells.cy, 5, 31) - 0.5f) * 0.7f;
    const float ty = (hashUnit(cells.cx, cells.cy, 6, 31) - 0.5f) * 0.7f;
    const V2 tilt = rotate({tx, ty}, angle);
    n = bump(n, -tilt.x, -tilt.y);
    const float grain = fbm(r.x * 22, r.y * 22, 1.5f, 32, 4);
    const float gx = fbm(r.x * 22 + 0.05f, r.y * 22, 1.5f, 32, 3) - grain;
    const float gy = fbm(r.x * 22, r.y * 22 + 0.05f, 1.5f, 32, 3) - grain;
    const V2 gg = rotate({gx, gy}, angle);
    n = bump(n, gg.x * 3, gg.y * 3);
    // Stone colour with per-facet variation, speckles and a pale vein that
    // makes the turning easy to follow.
    const float shade = hashUnit(cells.cx, cells.cy, 7, 31);
    V3 c = mix(rgb(0x6e6358), rgb(0x8f8374), shade);
    c = c * (0.9f + 0.25f * grain);
    const float speck = gradientNoise(r.x * 40, r.y * 40, 7.7f, 33);
    c = mix(c, rgb(0xb8ab92), smoothstep(0.45f, 0.6f, speck) * 0.6f);
    const float vein = std::fabs(r.y - 0.09f * std::sin(r.x * 9 + 0.5f) - 0.6f * r.x + 0.05f);
    c = mix(c, rgb(0xd8d0bc), (1 - smoothstep(0.012f, 0.026f, vein)) * 0.85f);
    const float crack = smoothstep(0.01f, 0.06f, cells.d2 - cells.d1);
    c = c * (0.72f + 0.28f * crack);
    const float lit = 0.22f + 0.95f * diffuse(n);
    V3 col = c * lit + V3{1, 0.97f, 0.9f} * (0.12f * specular(n, 16));
    // Ambient darkening towards the rim and the lower right.
    col = col * (1 - 0.35f * smoothstep(0.7f, 1.0f, rho) * (0.6f + 0.4f * (q.x - q.y) / R));
    col = col * (1 - 0.65f * smoothstep(-2.5f * kPx, 0.0f, d));
    return {col, coverage(d, kPx)};
}

std::vector<ArtPicture> drawBoulder() {
    std::vector<ArtPicture> out;
    for (int k = 0; k < 20; ++k) {
        ArtCanvas canvas(kTile, kTile);
        const float angle = k * 18 * kPi / 180;
        canvas.paint([angle](V2 p) { return shadeBoulder(p, angle); });
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Diamond: an upright cut gem seen from the side; the frames move the
// light over its facets.

struct Facet {
    V2 v[4];
    int n;
    float tone; // how much the facet faces the light
};

static const Facet kFacets[] = {
    {{{0.09f, 0.6f}, {0.29f, 0.6f}, {0.28f, 0.84f}}, 3, 0.75f},
    {{{0.29f, 0.6f}, {0.5f, 0.6f}, {0.5f, 0.84f}, {0.28f, 0.84f}}, 4, 1.0f},
    {{{0.5f, 0.6f}, {0.71f, 0.6f}, {0.72f, 0.84f}, {0.5f, 0.84f}}, 4, 0.8f},
    {{{0.71f, 0.6f}, {0.91f, 0.6f}, {0.72f, 0.84f}}, 3, 0.45f},
    {{{0.09f, 0.6f}, {0.29f, 0.6f}, {0.5f, 0.08f}}, 3, 0.55f},
    {{{0.29f, 0.6f}, {0.5f, 0.6f}, {0.5f, 0.08f}}, 3, 0.8f},
    {{{0.5f, 0.6f}, {0.71f, 0.6f}, {0.5f, 0.08f}}, 3, 0.35f},
    {{{0.71f, 0.6f}, {0.91f, 0.6f}, {0.5f, 0.08f}}, 3, 0.2f},
};

C4 shadeDiamond(V2 p, float pixel, int frame) {
    static const V2 outline[5] = {
        {0.09f, 0.6f}, {0.28f, 0.84f}, {0.72f, 0.84f}, {0.91f, 0.6f}, {0.5f, 0.08f}};
    const float d = sdPolygon(p, outline, 5);
    if (d > pixel) {
        return {{0, 0, 0}, 0};
    }
    int facet = 0;
    float edge = 1e9f;
    for (int i = 0; i < 8; ++i) {
        const float fd = sdPolygon(p, kFacets[i].v, kFacets[i].n);
        if (fd <= 0) {
            facet = i;
        }
        edge = std::min(edge, std::fabs(fd));
    }
    const float phase = 2 * kPi * (frame / 4.0f + facet * 0.37f);
    float b = kFacets[facet].tone * 0.75f + 0.25f * std::cos(phase) + 0.1f;
    // A gentle gradient across each facet and internal reflections.
    b += 0.18f * (p.y - 0.5f) - 0.12f * (p.x - 0.5f);
    const float inner = gradientNoise(p.x * 9 + frame * 0.25f, p.y * 5, frame * 0.5f, 44);
    b += 0.12f * inner;
    b = clamp01(b);
    V3 c = mix(rgb(0x0c3a8a), rgb(0x3cb8f0), smoothstep(0.0f, 0.55f, b));
    c = mix(c, rgb(0xe8fcff), smoothstep(0.55f, 1.0f, b));
    // Hints of fire along the lower facets.
    c = c + V3{0.18f, -0.05f, 0.1f} * (0.5f + 0.5f * std::sin(p.x * 30 + frame * 1.6f)) *
                smoothstep(0.5f, 0.2f, p.y) * 0.5f;
    // Bright facet edges, dark outline.
    c = mix(c, V3{0.95f, 1, 1}, (1 - smoothstep(0.0f, 2.2f * pixel, edge)) * 0.55f);
    c = mix(c, rgb(0x061a40), smoothstep(-2.5f * pixel, 0.0f, d) * 0.85f);
    return {c, coverage(d, pixel)};
}

std::vector<ArtPicture> drawDiamond() {
    std::vector<ArtPicture> out;
    for (int k = 0; k < 4; ++k) {
        ArtCanvas canvas(kTile, kTile);
        canvas.paint([k](V2 p) { return shadeDiamond(p, kPx, k); }, 3);
        // A glint that hops between facet corners as the light moves.
        static const V2 glints[4] = {{0.3f, 0.8f}, {0.8f, 0.62f}, {0.52f, 0.44f}, {0.16f, 0.62f}};
        canvas.paint([k](V2 p) { return C4{{1, 1, 1}, 0.9f * starGlow(p - glints[k], 0.16f)}; });
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Bomb: an iron sea mine with eight horns (so three turning frames span
// a whole turn) and a lamp that glows in eight steps.

static C4 shadeBomb(V2 p, float angle, float glow) {
    const V2 c0{0.5f, 0.48f};
    const V2 q = p - c0;
    auto horns = [&](V2 s) {
        const V2 t = s - c0;
        float d = 1e9f;
        for (int i = 0; i < 8; ++i) {
            const float a = angle + i * kPi / 4 + kPi / 8;
            const V2 dir{std::cos(a), std::sin(a)};
            d = std::min(d, sdCapsule(t, dir * 0.25f, dir * 0.37f, 0.04f));
            d = std::min(d, sdCircle(t, dir * 0.385f, 0.056f));
        }
        return d;
    };
    auto body = [&](V2 s) { return length(s - c0) - 0.31f; };
    C4 out{{0, 0, 0}, 0};
    // Horns behind the body.
    const float hd = horns(p);
    if (hd < kPx) {
        float best = 1e9f;
        for (int i = 0; i < 8; ++i) {
            const float a = angle + i * kPi / 4 + kPi / 8;
            best = std::min(best, length(q - V2{std::cos(a), std::sin(a)} * 0.385f));
        }
        C4 h = pillow(horns, p, kPx, rgb(0x7a808c), 0.04f, 2.0f, lightDirection(), 0.5f);
        // Tips glow with the lamp.
        const float tip = 1 - smoothstep(0.0f, 0.05f, best);
        h.c = mix(h.c, mix(rgb(0x802010), rgb(0xffb040), glow), tip * (0.25f + 0.75f * glow));
        out = over(out, h);
    }
    const float bd = body(p);
    if (bd < kPx) {
        const float rho = std::min(0.999f, length(q) / 0.31f);
        const V3 n = normalize({q.x / 0.31f, q.y / 0.31f, std::sqrt(1 - rho * rho)});
        // A ring of rivets and a seam around the middle, in the turning frame.
        const V2 r = rotate(q, -angle);
        float rivets = 1e9f;
        for (int i = 0; i < 8; ++i) {
            const float a = i * kPi / 4 + kPi / 8;
            rivets = std::min(rivets, length(r - V2{std::cos(a), std::sin(a)} * 0.2f) - 0.018f);
        }
        V3 c =
            rgb(0x5c6474) * (0.32f + 0.95f * diffuse(n)) + V3{1, 1, 1} * (0.55f * specular(n, 45));
        // A cool rim light on the shadow side keeps the iron readable on black.
        c = c + rgb(0x5878b0) *
                    (0.8f * smoothstep(0.75f, 0.98f, rho) * clamp01(0.3f + (q.x - q.y) * 2.5f));
        const float ring = std::fabs(length(q) - 0.2f);
        c = c * (1 - 0.35f * (1 - smoothstep(0.004f, 0.012f, ring)));
        if (rivets < kPx) {
            c = mix(c, rgb(0x8a909a) * (0.5f + 0.8f * diffuse(n)), coverage(rivets, kPx));
        }
        // The lamp: a glass window in the middle that glows red to white-hot.
        const float ld = length(q) - 0.085f;
        const V3 lamp = mix(rgb(0x3a0806), rgb(0xff3010), glow);
        const V3 hot = mix(lamp, rgb(0xfff0b0),
                           smoothstep(0.6f, 1.0f, glow) * (1 - smoothstep(0.0f, 0.06f, length(q))));
        c = mix(c, hot, coverage(ld, kPx));
        c = mix(c, rgb(0x101216), (1 - smoothstep(0.0f, 2.2f * kPx, std::fabs(ld))) * 0.9f);
        // Glow light spilling over the iron.
        c = c + V3{1, 0.25f, 0.1f} * (glow * 0.35f * std::exp(-std::max(0.0f, ld) * 18));
        // Glass glint.
        c = c +
            V3{1, 1, 1} * (0.5f * (1 - smoothstep(0.0f, 0.022f, length(q - V2{-0.03f, 0.035f}))));
        c = c * (1 - 0.55f * smoothstep(-2 * kPx, 0.0f, bd));
        out = over(out, {c, coverage(bd, kPx)});
    }
    return out;
}

std::vector<ArtPicture> drawBomb() {
    std::vector<ArtPicture> out;
    for (int pulse = 0; pulse < 8; ++pulse) {
        for (int step = 0; step < 3; ++step) {
            ArtCanvas canvas(kTile, kTile);
            const float angle = step * 15 * kPi / 180, glow = pulse / 7.0f;
            // Drawn a little enlarged so the horns reach towards the cell edges.
            canvas.paint([=](V2 p) {
                return shadeBomb(V2{0.5f, 0.48f} + (p - V2{0.5f, 0.48f}) * (1 / 1.07f), angle,
                                 glow);
            });
            out.push_back(finish(canvas, ArtFormat::Rgba));
        }
    }
    return out;
}

// ---- Firefly: a glowing beetle seen from above, heading straight up in frame
// 0 and turning 18 degrees counter-clockwise per frame. It is lit from above,
// so its mirrored frames still agree with the light.

static V3 topLight() {
    return normalize({0, 0.65f, 0.76f});
}

static C4 shadeFirefly(V2 p, float angle) {
    const V2 b = rotate(p - V2{0.5f, 0.5f}, -angle); // body space, head up
    const V3 L = topLight();
    C4 out{{0, 0, 0}, 0};
    // Glow halo around the lantern.
    const float halo = std::exp(-std::pow(length(b - V2{0, -0.12f}) / 0.34f, 2) * 2.0f);
    out = over(out, {rgb(0xffd850),
                     0.7f * halo * (1 - smoothstep(0.26f, 0.37f, length(p - V2{0.5f, 0.5f})))});
    auto bodySpace = [&](auto f) {
        return [&, f](V2 s) { return f(rotate(s - V2{0.5f, 0.5f}, -angle)); };
    };
    // Legs: three short jointed lines a side.
    auto legs = bodySpace([](V2 s) {
        float d = 1e9f;
        const float ys[3] = {0.1f, 0.03f, -0.04f};
        for (int i = 0; i < 3; ++i) {
            const float sx = std::fabs(s.x);
            const V2 s2{sx, s.y};
            const V2 a{0.04f, ys[i]}, m{0.13f, ys[i] + 0.03f - i * 0.03f},
                e{0.18f, ys[i] - 0.05f - i * 0.04f};
            d = std::min({d, sdSegment(s2, a, m), sdSegment(s2, m, e)});
        }
        return d - 0.012f;
    });
    out = over(out, pillow(legs, p, kPx, rgb(0x2a1a10), 0.01f, 1.0f, L));
    // Lantern abdomen, glowing with bands.
    auto abdomen = bodySpace([](V2 s) { return sdEllipse(s, {0, -0.13f}, {0.12f, 0.19f}); });
    const float ad = abdomen(p);
    if (ad < kPx) {
        const float band = 0.5f + 0.5f * std::cos((b.y + 0.13f) * 60);
        V3 c = mix(rgb(0xffe060), rgb(0xfff8d0),
                   1 - smoothstep(0.0f, 0.12f, length(b - V2{0, -0.16f})));
        c = mix(c, rgb(0xf08a10), 0.35f * band * smoothstep(-0.05f, 0.08f, b.y + 0.1f));
        c = c * (1 - 0.45f * smoothstep(-3 * kPx, 0.0f, ad));
        out = over(out, {c, coverage(ad, kPx)});
    }
    // Wings: translucent, veined, swept back over the lantern.
    auto wing = [&](float side) {
        return bodySpace([side](V2 s) {
            const V2 w = rotate(s - V2{side * 0.05f, 0.05f}, side * 0.62f);
            return sdEllipse(w, {0, -0.11f}, {0.065f, 0.16f});
        });
    };
    for (float side : {-1.0f, 1.0f}) {
        const auto wf = wing(side);
        const float wd = wf(p);
        if (wd < kPx) {
            const V2 w = rotate(b - V2{side * 0.05f, 0.05f}, side * 0.62f);
            const float vein =
                1 - smoothstep(0.0f, 0.01f, std::fabs(w.x - 0.02f * std::sin(w.y * 20)));
            V3 c = mix(rgb(0xa8c8e8), rgb(0xe8f4ff), 0.5f + 0.5f * w.y / 0.3f);
            c = mix(c, rgb(0x506070), vein * 0.6f);
            c = c +
                V3{1, 1, 1} * (0.35f * (1 - smoothstep(0.0f, 0.05f, length(w - V2{-0.02f, 0.0f}))));
            c = mix(c, rgb(0x34404c), smoothstep(-2.5f * kPx, 0.0f, wd));
            out = over(out, {c, coverage(wd, kPx) * 0.5f});
        }
    }
    // Thorax and head.
    auto thorax = bodySpace([](V2 s) { return sdEllipse(s, {0, 0.09f}, {0.085f, 0.07f}); });
    out = over(out, pillow(thorax, p, kPx, rgb(0xc03a18), 0.06f, 2.0f, L, 0.4f));
    auto head = bodySpace([](V2 s) { return sdEllipse(s, {0, 0.19f}, {0.06f, 0.05f}); });
    out = over(out, pillow(head, p, kPx, rgb(0x241814), 0.04f, 2.0f, L, 0.5f));
    // Eyes and antennae.
    auto eyes = bodySpace([](V2 s) {
        return sdCircle(V2{std::fabs(s.x), s.y}, {0.04f, 0.21f}, 0.018f);
    });
    out = over(out, pillow(eyes, p, kPx, rgb(0xfff0a0), 0.015f, 0.5f, L, 0.8f));
    auto antennae = bodySpace([](V2 s) {
        const V2 t{std::fabs(s.x), s.y};
        return std::min(sdSegment(t, {0.025f, 0.23f}, {0.06f, 0.3f}),
                        sdSegment(t, {0.06f, 0.3f}, {0.1f, 0.33f})) -
               0.009f;
    });
    out = over(out, pillow(antennae, p, kPx, rgb(0x302018), 0.01f, 0.5f, L));
    return out;
}

std::vector<ArtPicture> drawFirefly() {
    std::vector<ArtPicture> out;
    for (int k = 0; k < 11; ++k) {
        ArtCanvas canvas(kTile, kTile);
        const float angle = k * 18 * kPi / 180;
        // Drawn enlarged so that the beetle fills most of its cell.
        canvas.paint(
            [angle](V2 p) {
                return shadeFirefly(V2{0.5f, 0.5f} + (p - V2{0.5f, 0.5f}) * (1 / 1.3f), angle);
            },
            2);
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Butterfly: seen from above, heading up; 16 frames from wings folded shut
// (frame 0) to wide open (frame 15). The renderer picks the frame from how far the
// wings are open, so the beat's timing lives in the game, not in the pictures.

static C4 shadeButterfly(V2 p, float open) {
    const V2 q = p - V2{0.5f, 0.5f};
    C4 out{{0, 0, 0}, 0};
    const float s = std::max(0.08f, open);
    const V2 w{std::fabs(q.x) / s, q.y}; // wing space: unfolded
    const float side = q.x < 0 ? -1.0f : 1.0f;
    auto wings = [s](V2 t) {
        const V2 u{std::fabs(t.x - 0.5f) / s, t.y - 0.5f};
        const float fore = sdEllipse(rotate(u - V2{0.2f, 0.14f}, -0.5f), {0, 0}, {0.25f, 0.17f});
        const float hind = sdEllipse(rotate(u - V2{0.15f, -0.12f}, 0.55f), {0, 0}, {0.18f, 0.13f});
        return smoothMin(fore, hind, 0.03f) * std::min(1.0f, s + 0.2f);
    };
    const float wd = wings(p);
    if (wd < kPx && std::fabs(q.x) > 0.005f) {
        const float r = length(w - V2{0.02f, 0});
        // Violet at the root, magenta, then cyan edges; eye spots on each wing.
        V3 c = mix(rgb(0x4a1a8a), rgb(0xe040a0), smoothstep(0.05f, 0.28f, r));
        c = mix(c, rgb(0x40e0f0), smoothstep(0.3f, 0.42f, r));
        const float spot = length(w - V2{0.26f, 0.17f});
        c = mix(c, rgb(0xfff4c0), 1 - smoothstep(0.035f, 0.045f, spot));
        c = mix(c, rgb(0x200818), 1 - smoothstep(0.018f, 0.026f, spot));
        const float spot2 = length(w - V2{0.2f, -0.15f});
        c = mix(c, rgb(0xfff4c0), 1 - smoothstep(0.022f, 0.03f, spot2));
        // Veins fanning from the body.
        const float a = std::atan2(w.y, w.x);
        const float vein = 1 - smoothstep(0.0f, 0.06f, std::fabs(std::sin(a * 5)));
        c = c * (1 - 0.3f * vein * smoothstep(0.05f, 0.15f, r));
        // Folding turns the wing away from the light.
        c = c * (0.45f + 0.55f * open) * (1 + 0.15f * side * (1 - open));
        c = mix(c, rgb(0x180820), smoothstep(-3 * kPx, 0.0f, wd));
        out = over(out, {c, coverage(wd, kPx)});
    }
    auto body = [](V2 t) { return sdCapsule(t, {0.5f, 0.34f}, {0.5f, 0.62f}, 0.035f); };
    out = over(out, pillow(body, p, kPx, rgb(0x3a2430), 0.03f, 2.0f, lightDirection(), 0.5f));
    auto head = [](V2 t) { return sdCircle(t, {0.5f, 0.66f}, 0.04f); };
    out = over(out, pillow(head, p, kPx, rgb(0x2a1a24), 0.03f, 2.0f, lightDirection(), 0.5f));
    auto antennae = [](V2 t) {
        const V2 u{std::fabs(t.x - 0.5f), t.y};
        return std::min(sdSegment(u, {0.01f, 0.69f}, {0.08f, 0.84f}) - 0.008f,
                        sdCircle(u, {0.08f, 0.84f}, 0.018f));
    };
    out = over(out, pillow(antennae, p, kPx, rgb(0x2a1a24), 0.01f, 0.5f));
    return out;
}

std::vector<ArtPicture> drawButterfly() {
    std::vector<ArtPicture> out;
    constexpr int kFrames = 16;
    for (int k = 0; k < kFrames; ++k) {
        ArtCanvas canvas(kTile, kTile);
        const float open = static_cast<float>(k) / (kFrames - 1);
        canvas.paint([open](V2 p) { return shadeButterfly(p, 0.1f + 0.9f * open); }, 2);
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Explosion: a flash, a rolling fireball that fills the cell, then smoke
// and embers thinning away.

static V3 fireColour(float t) {
    if (t < 0.25f) {
        return mix(rgb(0x1a0c08), rgb(0x8a1808), t / 0.25f);
    }
    if (t < 0.5f) {
        return mix(rgb(0x8a1808), rgb(0xf06010), (t - 0.25f) / 0.25f);
    }
    if (t < 0.75f) {
        return mix(rgb(0xf06010), rgb(0xffc840), (t - 0.5f) / 0.25f);
    }
    return mix(rgb(0xffc840), rgb(0xfffbe8), clamp01((t - 0.75f) / 0.25f));
}

static C4 shadeExplosion(V2 p, float t) {
    const V2 q = p - V2{0.5f, 0.5f};
    const float r = length(q);
    const float grow = 0.2f + 0.68f * smoothstep(0.0f, 0.3f, t);
    const float turb = fbm(q.x * 4 / (0.4f + t), q.y * 4 / (0.4f + t), t * 2.5f, 61, 5);
    const float billow = fbm(q.x * 7 + 3, q.y * 7 - t * 2, t * 3 + 1, 64, 4);
    const float edge = r / grow + 0.45f * turb;
    // Heat: white only in the first flash, then orange billows cooling from
    // the outside in.
    float heat = 1.2f - 0.85f * edge - 1.15f * t + 0.5f * billow;
    heat += 0.7f * (1 - smoothstep(0.0f, 0.12f, t)) * (1 - r * 2.5f);
    heat = clamp01(heat);
    const float body = 1 - smoothstep(0.82f, 1.0f, edge);
    V3 c = fireColour(heat);
    // Smoke takes over as it cools.
    const float smoke = smoothstep(0.3f, 0.8f, t) * (1 - smoothstep(0.15f, 0.5f, heat));
    c = mix(c, rgb(0x48403a) * (0.75f + 0.7f * std::max(0.0f, billow + 0.2f)), smoke);
    float alpha =
        body * (1 - smoothstep(0.6f, 1.0f, t)) * (0.75f + 0.25f * smoothstep(0.1f, 0.4f, heat));
    C4 out{c, clamp01(alpha)};
    // Embers flying out.
    for (int i = 0; i < 14; ++i) {
        const float a = hashUnit(i, 0, 0, 63) * 2 * kPi;
        const float speed = 0.35f + 0.5f * hashUnit(i, 1, 0, 63);
        const V2 pos = V2{std::cos(a), std::sin(a)} * (0.05f + speed * t) + V2{0, -0.15f * t * t};
        const float life = 1 - smoothstep(0.5f, 1.0f, t + 0.2f * hashUnit(i, 2, 0, 63));
        const float e = 1 - smoothstep(0.008f, 0.02f, length(q - pos));
        if (t > 0.1f) {
            out = over(out, {mix(rgb(0xff8020), rgb(0xfff0a0), life), e * life});
        }
    }
    return out;
}

std::vector<ArtPicture> drawExplosion() {
    std::vector<ArtPicture> out;
    for (int k = 0; k < 24; ++k) {
        ArtCanvas canvas(kTile, kTile);
        const float t = k / 23.0f;
        canvas.paint([t](V2 p) { return shadeExplosion(p, t); });
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Voodoo doll: a stitched burlap doll with pins in it.

ArtPicture drawVoodooDoll() {
    ArtCanvas canvas(kTile, kTile);
    const V3 cloth = rgb(0xb08a58);
    auto weave = [](V2 p, V3 c) {
        const float a = std::sin(p.x * 240) * std::sin(p.y * 240);
        const float n = fbm(p.x * 16, p.y * 16, 2.2f, 91, 3);
        return c * (0.92f + 0.08f * a + 0.15f * n);
    };
    auto limbs = [](V2 p) {
        const float arms = sdCapsule(p, {0.2f, 0.47f}, {0.8f, 0.47f}, 0.065f);
        const float legl = sdCapsule(p, {0.42f, 0.3f}, {0.36f, 0.08f}, 0.07f);
        const float legr = sdCapsule(p, {0.58f, 0.3f}, {0.64f, 0.08f}, 0.07f);
        return std::min({arms, legl, legr});
    };
    auto body = [](V2 p) { return sdBox(p, {0.5f, 0.36f}, {0.14f, 0.16f}, 0.08f); };
    auto head = [](V2 p) { return sdEllipse(p, {0.5f, 0.69f}, {0.2f, 0.18f}); };
    canvas.paint(
        [&](V2 p) {
            C4 out{{0, 0, 0}, 0};
            C4 l = pillow(limbs, p, kPx, weave(p, cloth * 0.92f), 0.06f);
            out = over(out, l);
            out = over(out, pillow(body, p, kPx, weave(p, cloth), 0.1f));
            // A red patch on the chest with its stitches.
            const float patch = sdBox(p, {0.44f, 0.34f}, {0.06f, 0.055f}, 0.01f);
            if (patch < kPx) {
                out = over(out, {weave(p, rgb(0xa03028)) * 0.95f, coverage(patch, kPx)});
            }
            out = over(out, pillow(head, p, kPx, weave(p, cloth * 1.05f), 0.12f));
            // Thread: X eyes, a stitched mouth, seams.
            auto cross = [](V2 p, V2 c, float s) {
                return std::min(sdSegment(p, c - V2{s, s}, c + V2{s, s}),
                                sdSegment(p, c - V2{s, -s}, c + V2{s, -s}));
            };
            float thread =
                std::min(cross(p, {0.43f, 0.72f}, 0.035f), cross(p, {0.57f, 0.72f}, 0.035f));
            thread = std::min(thread, sdSegment(p, {0.42f, 0.615f}, {0.58f, 0.615f}));
            for (int i = 0; i < 5; ++i) {
                const float x = 0.43f + i * 0.035f;
                thread = std::min(thread, sdSegment(p, {x, 0.595f}, {x, 0.635f}));
            }
            for (int i = 0; i < 4; ++i) {
                const float y = 0.23f + i * 0.06f;
                thread = std::min(thread, sdSegment(p, {0.545f, y}, {0.575f, y + 0.03f}));
            }
            const float patchSt = std::fabs(patch + 0.012f);
            const float dash = std::sin((p.x + p.y) * 160) > 0 ? 1.0f : 0.0f;
            thread = std::min(thread, patchSt + (1 - dash) * 1.0f);
            out = over(out, {rgb(0x2a1810), coverage(thread - 0.009f, kPx)});
            // Hair tufts of dark yarn.
            float hair = 1e9f;
            for (int i = 0; i < 5; ++i) {
                const float x = 0.41f + i * 0.045f;
                hair = std::min(
                    hair, sdSegment(p, {x, 0.85f}, {x + 0.03f * (i - 2), 0.93f + 0.01f * (i % 2)}));
            }
            out = over(out, {rgb(0x201410), coverage(hair - 0.013f, kPx)});
            // Two pins: a steel shank and a glossy head.
            auto pin = [&](V2 a, V2 b, V3 headColour) {
                const float shank = sdSegment(p, a, b) - 0.008f;
                C4 s{mix(rgb(0x9098a8), rgb(0xf0f4ff), clamp01((p.y - a.y) / (b.y - a.y + 1e-4f))),
                     coverage(shank, kPx)};
                out = over(out, s);
                auto ball = [b](V2 t) { return sdCircle(t, b, 0.042f); };
                out = over(out,
                           pillow(ball, p, kPx, headColour, 0.04f, 1.5f, lightDirection(), 0.7f));
            };
            pin({0.56f, 0.38f}, {0.76f, 0.56f}, rgb(0xd02020));
            pin({0.43f, 0.66f}, {0.25f, 0.86f}, rgb(0x2060d0));
            return out;
        },
        2);
    return finish(canvas, ArtFormat::Rgba);
}
