// The cave's fabric: dirt, brick and steel walls, amoeba and slime. Every
// picture repeats seamlessly: noise and cell patterns use whole periods across
// the picture.
#include "ArtBook.h"
#include "ArtShade.h"

static const int kTile = 128;
static const float kPx = 1.0f / kTile;

// ---- Dirt: crumbly soil with pebbles, one picture per colour style.

static float dirtHeight(V2 p, std::uint32_t seed) {
    const float soil = fbm(p.x * 6, p.y * 6, 0.3f, seed, 4, 6, 6);
    const Cells c = cellNoise(p.x * 7, p.y * 7, seed + 9, 7, 7, 0.9f);
    const bool pebble = hashUnit(c.cx, c.cy, 4, seed) < 0.55f;
    const float size = 0.16f + 0.16f * hashUnit(c.cx, c.cy, 5, seed);
    float stone = 0;
    if (pebble) {
        const float t = clamp01(1 - c.d1 / size);
        stone = std::sqrt(t) * 0.5f;
    }
    const float crumbs = fbm(p.x * 24, p.y * 24, 1.7f, seed + 3, 2, 24, 24);
    return soil * 0.35f + stone + crumbs * 0.08f;
}

static C4 shadeDirt(V2 p, V3 base, std::uint32_t seed, const HeightGrid& grid) {
    const float h = grid.height(p);
    const V2 s = grid.slope(p);
    const V3 n = normalize({-s.x * 0.025f, -s.y * 0.025f, 1});
    const Cells c = cellNoise(p.x * 7, p.y * 7, seed + 9, 7, 7, 0.9f);
    const bool pebble = hashUnit(c.cx, c.cy, 4, seed) < 0.55f &&
                        c.d1 < 0.16f + 0.16f * hashUnit(c.cx, c.cy, 5, seed);
    V3 col = base * (0.85f + 0.35f * fbm(p.x * 3, p.y * 3, 5.5f, seed + 1, 3, 3, 3));
    if (pebble) {
        const float t = hashUnit(c.cx, c.cy, 6, seed);
        col = mix(col * 1.25f, V3{0.5f, 0.48f, 0.45f} * (0.8f + 0.4f * t), 0.35f);
    }
    // Fine grains of lighter and darker sand.
    const float grains =
        hashUnit(static_cast<int>(p.x * kTile), static_cast<int>(p.y * kTile), 7, seed);
    col = col * (0.9f + 0.2f * grains);
    // Hairline cracks in the soil.
    const Cells cracks = cellNoise(p.x * 4, p.y * 4, seed + 20, 4, 4, 0.9f);
    col = col *
          (1 - 0.35f * (1 - smoothstep(0.0f, 0.035f, cracks.d2 - cracks.d1)) *
                   smoothstep(0.1f, 0.3f, fbm(p.x * 5, p.y * 5, 9.1f, seed + 21, 2, 5, 5) + 0.2f));
    // Kept a little dark: dirt is the backdrop the cave's objects stand out on.
    const float lit = 0.4f + 0.66f * diffuse(n);
    col = col * lit * (0.75f + 0.5f * h);
    return {col, 1};
}

std::vector<ArtPicture> drawDirt() {
    // brown, dark brown, yellow, purple, blue, grey, green, orange
    const int colours[8] = {0x6e4a2c, 0x3e2a1a, 0x8a7028, 0x583868,
                            0x2c4474, 0x58585c, 0x3a5a28, 0x8c4a1a};
    std::vector<ArtPicture> out;
    for (int s = 0; s < 8; ++s) {
        ArtCanvas canvas(kTile, kTile);
        const V3 base = rgb(colours[s]);
        const std::uint32_t seed = 100 + s;
        const HeightGrid grid(kTile, kTile, [seed](V2 p) { return dirtHeight(p, seed); });
        canvas.paint([&](V2 p) { return shadeDirt(p, base, seed, grid); });
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Brick wall: two courses of bricks per cell, in running bond.

static C4 shadeBrick(V2 p, V3 brick, V3 mortar, std::uint32_t seed) {
    const float rowH = 0.25f, len = 0.5f;
    const int row = static_cast<int>(std::floor(p.y / rowH));
    const float shift = (row % 2) ? len * 0.5f : 0.0f;
    const float bx = p.x + shift;
    const int col = static_cast<int>(std::floor(bx / len));
    const V2 centre{(col + 0.5f) * len - shift, (row + 0.5f) * rowH};
    auto brickSd = [&](V2 s) {
        return sdBox(s, centre, {len * 0.5f - 0.018f, rowH * 0.5f - 0.018f}, 0.025f) +
               0.006f * fbm(s.x * 20, s.y * 20, 0.4f, seed + 2, 2, 20, 20);
    };
    const int wrappedCol = wrapIndex(col, 2), wrappedRow = wrapIndex(row, 4);
    const float d = brickSd(p);
    const float grain = fbm(p.x * 16, p.y * 16, 1.1f, seed, 4, 16, 16);
    // Mortar: recessed, gritty.
    V3 m = mortar * (0.8f + 0.4f * grain);
    const V3 mn = normalize({0, 0, 1});
    m = m * (0.5f + 0.5f * diffuse(mn));
    if (d > kPx) {
        // Shadow cast by the brick above-left into the joint.
        const float sh = brickSd({p.x + 0.012f, p.y - 0.012f});
        return {m * (sh < 0 ? 0.65f : 1.0f), 1};
    }
    const V2 g = gradientOf(brickSd, p, kPx * 0.5f);
    V3 n = bevelNormal(g, d, 0.03f);
    const float gx = fbm(p.x * 16 + 0.02f, p.y * 16, 1.1f, seed, 3, 16, 16) - grain;
    const float gy = fbm(p.x * 16, p.y * 16 + 0.02f, 1.1f, seed, 3, 16, 16) - grain;
    n = bump(n, gx * 4, gy * 4);
    const float tint = hashUnit(wrappedCol, wrappedRow, 3, seed);
    V3 c = brick * (0.82f + 0.3f * tint) * (0.9f + 0.25f * grain);
    // Pits and chips.
    const float pits = gradientNoise(p.x * 40, p.y * 40, 3.3f, seed + 5, 40, 40);
    c = c * (1 - 0.3f * smoothstep(0.35f, 0.55f, pits));
    c = c * (0.35f + 0.8f * diffuse(n)) + V3{1, 1, 1} * (0.06f * specular(n, 12));
    return {mix(m, c, coverage(d, kPx)), 1};
}

std::vector<ArtPicture> drawBrickWall() {
    // white, dark brown, dark cyan, blue, red
    const int bricks[5] = {0xc8c2b6, 0x6a4428, 0x1e6c70, 0x2e4ea0, 0xa03424};
    const int mortars[5] = {0x5a5650, 0x24180e, 0x0c2a2c, 0x121e40, 0x30140e};
    std::vector<ArtPicture> out;
    for (int s = 0; s < 5; ++s) {
        ArtCanvas canvas(kTile, kTile);
        canvas.paint([&](V2 p) { return shadeBrick(p, rgb(bricks[s]), rgb(mortars[s]), 200 + s); });
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Steel wall: a riveted, brushed plate per cell.

static C4 shadeSteel(V2 p, V3 metal, std::uint32_t seed) {
    auto plate = [](V2 s) { return sdBox(s, {0.5f, 0.5f}, {0.47f, 0.47f}, 0.06f); };
    const float d = plate(p);
    V3 c;
    if (d > 0) {
        c = metal * 0.18f; // the seam between plates
    } else {
        const V2 g = gradientOf(plate, p, kPx * 0.5f);
        V3 n = bevelNormal(g, d, 0.09f);
        // Brushed: noise stretched along x, periodic so runs of plates match.
        const float brush = fbm(p.x * 2, p.y * 60, 0.7f, seed, 3, 2, 60);
        const float blotch = fbm(p.x * 4, p.y * 4, 2.7f, seed + 1, 3, 4, 4);
        c = metal * (0.85f + 0.12f * brush + 0.12f * blotch);
        // Raised inner panel.
        const float inner = sdBox(p, {0.5f, 0.5f}, {0.3f, 0.3f}, 0.05f);
        if (std::fabs(inner) < 0.03f) {
            const V2 gi = gradientOf(
                [](V2 s) {
                    return sdBox(s, {0.5f, 0.5f}, {0.3f, 0.3f}, 0.05f);
                },
                p, kPx * 0.5f);
            const float t = 1 - std::fabs(inner) / 0.03f;
            n = normalize(n + V3{-gi.x, -gi.y, 0} * (0.6f * t * (inner < 0 ? -1.0f : 1.0f)));
        }
        float lit = 0.3f + 0.75f * diffuse(n);
        // A diagonal sheen across the plate.
        lit += 0.25f * std::exp(-std::pow((p.x - p.y) * 3.2f + 0.3f, 2.0f)) * (d < -0.09f);
        c = c * lit + V3{1, 1, 1} * (0.35f * specular(n, 30));
        // Four rivets.
        for (V2 r : {V2{0.15f, 0.15f}, V2{0.85f, 0.15f}, V2{0.15f, 0.85f}, V2{0.85f, 0.85f}}) {
            const float rd = length(p - r) - 0.045f;
            if (rd < kPx) {
                const V2 rq = (p - r) * (1 / 0.045f);
                const V3 rn = normalize({rq.x, rq.y, std::sqrt(std::max(0.05f, 1 - dot(rq, rq)))});
                const V3 rc =
                    metal * (0.3f + 0.9f * diffuse(rn)) + V3{1, 1, 1} * (0.5f * specular(rn, 30));
                c = mix(c, rc, coverage(rd, kPx));
            }
            // The rivet's shadow.
            const float sd = length(p - r - V2{0.015f, -0.015f}) - 0.05f;
            c = c * (1 - 0.35f * (1 - smoothstep(0.0f, 0.015f, sd)) * (length(p - r) > 0.045f));
        }
        c = c * (1 - 0.6f * smoothstep(-1.5f * kPx, 0.0f, d));
    }
    return {c, 1};
}

std::vector<ArtPicture> drawSteelWall() {
    // dark grey, grey, light brown, purple, pale pink, light blue, red
    const int metals[7] = {0x50545c, 0x90949c, 0xa08462, 0x6c4c90, 0xc8a0aa, 0x7ca2cc, 0xa03434};
    std::vector<ArtPicture> out;
    for (int s = 0; s < 7; ++s) {
        ArtCanvas canvas(kTile, kTile);
        canvas.paint([&](V2 p) { return shadeSteel(p, rgb(metals[s]), 300 + s); }, 2);
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Amoeba: a mass of green cells that swell and shift in a 20-frame loop.

// Round cells of varied size packed in dark goo; each swells and drifts.
static float cellRadius(const Cells& c) {
    return 0.5f + 0.22f * hashUnit(c.cx, c.cy, 9, 401);
}

static float amoebaHeight(V2 p, float t) {
    const Cells c = cellNoise(p.x * 5, p.y * 5, 401, 5, 5, 0.75f, t, 0.12f);
    const float breathe = 1 + 0.08f * std::sin(2 * kPi * (t + hashUnit(c.cx, c.cy, 10, 401)));
    const float dome = clamp01(1 - c.d1 / (cellRadius(c) * breathe));
    const float apart = smoothstep(0.0f, 0.22f, c.d2 - c.d1);
    return std::sqrt(dome) * apart +
           0.05f * gradientNoise(p.x * 14, p.y * 14, t * 2, 402, 14, 14, 2);
}

static C4 shadeAmoeba(V2 p, float t, const HeightGrid& grid) {
    const float h = grid.height(p);
    const V2 s = grid.slope(p);
    const V3 n = normalize({-s.x * 0.03f, -s.y * 0.03f, 1});
    const Cells c = cellNoise(p.x * 5, p.y * 5, 401, 5, 5, 0.75f, t, 0.12f);
    const float hue = hashUnit(c.cx, c.cy, 11, 401);
    const V3 top = mix(rgb(0x8ad840), rgb(0xc8e040), hue * 0.6f);
    V3 col = mix(rgb(0x062006), rgb(0x2a8020), smoothstep(0.0f, 0.3f, h));
    col = mix(col, top, smoothstep(0.35f, 1.0f, h));
    // A nucleus in each cell, drifting with it.
    const float nd = length(c.nearest + V2{0.1f, -0.08f} *
                                            std::sin(2 * kPi * (t + hashUnit(c.cx, c.cy, 8, 401))));
    col = mix(col, rgb(0x2a6a18),
              (1 - smoothstep(0.09f, 0.13f, nd)) * 0.7f * smoothstep(0.3f, 0.6f, h));
    col = col * (0.3f + 0.85f * diffuse(n)) +
          V3{0.9f, 1, 0.8f} * (0.6f * specular(n, 60) * smoothstep(0.2f, 0.5f, h));
    return {col, 1};
}

std::vector<ArtPicture> drawAmoeba() {
    std::vector<ArtPicture> out;
    for (int k = 0; k < 20; ++k) {
        ArtCanvas canvas(kTile, kTile);
        const float t = k / 20.0f;
        const HeightGrid grid(kTile, kTile, [t](V2 p) { return amoebaHeight(p, t); });
        canvas.paint([&](V2 p) { return shadeAmoeba(p, t, grid); });
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}

// ---- Slime: a teal jelly, apart from the purple dirt and walls, with bubbles rising through
// it in a loop.

static float slimeHeight(V2 p, float t) {
    return fbm(p.x * 3, p.y * 3, t * 2, 501, 3, 3, 3, 2);
}

static C4 shadeSlime(V2 p, float t, const HeightGrid& grid) {
    const float wob = grid.height(p);
    const V2 s = grid.slope(p);
    V3 n = normalize({-s.x * 0.07f, -s.y * 0.07f, 1});
    const float depth = clamp01(0.5f + 1.3f * wob);
    V3 col = mix(rgb(0x042624), rgb(0x1aa090), depth);
    col = mix(col, rgb(0x98f4e0), smoothstep(0.75f, 1.0f, depth) * 0.5f);
    // Bubbles: each rises one full picture height per loop.
    for (int i = 0; i < 7; ++i) {
        const float bx = hashUnit(i, 0, 0, 502);
        const float by = hashUnit(i, 1, 0, 502) + t;
        const float br = 0.045f + 0.05f * hashUnit(i, 2, 0, 502);
        V2 d{p.x - bx, p.y - by};
        d.x -= std::round(d.x);
        d.y -= std::round(d.y);
        d.x -= 0.015f * std::sin(2 * kPi * (t * 2 + i * 0.3f));
        const float bd = length(d) - br;
        if (bd < 0.01f) {
            if (bd < 0) {
                // Inside, the bubble is a lighter dome that bends the light.
                const V2 u = d * (1 / br);
                const V3 bn = normalize({u.x, u.y, std::sqrt(std::max(0.05f, 1 - dot(u, u)))});
                col = mix(col, rgb(0x48c8b4) * (0.5f + 0.6f * diffuse(bn)), 0.55f);
                n = normalize(n + bn * 0.6f);
            }
            const float rim = 1 - smoothstep(0.0f, 0.01f, std::fabs(bd + 0.005f));
            col = mix(col, rgb(0xe0fff8), rim * 0.7f);
        }
    }
    col = col * (0.55f + 0.55f * diffuse(n)) + V3{0.9f, 1, 1} * (0.75f * specular(n, 60));
    return {col, 0.94f};
}

std::vector<ArtPicture> drawSlime() {
    std::vector<ArtPicture> out;
    for (int k = 0; k < 20; ++k) {
        ArtCanvas canvas(kTile, kTile);
        const float t = k / 20.0f;
        const HeightGrid grid(kTile, kTile, [t](V2 p) { return slimeHeight(p, t); });
        canvas.paint([&](V2 p) { return shadeSlime(p, t, grid); });
        out.push_back(finish(canvas, ArtFormat::Rgba));
    }
    return out;
}
