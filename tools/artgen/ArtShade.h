#pragma once

#include "ArtCanvas.h"

// Lighting shared by every drawing, so that all objects agree: the light comes
// from the upper left and somewhat from the front.
inline V3 lightDirection() {
    return normalize({-0.5f, 0.62f, 0.62f});
}

// Diffuse and specular terms for a surface normal.
inline float diffuse(V3 n, V3 l = lightDirection()) {
    return std::max(0.0f, dot(n, l));
}
inline float specular(V3 n, float power, V3 l = lightDirection()) {
    const V3 h = normalize(l + V3{0, 0, 1});
    return std::pow(std::max(0.0f, dot(n, h)), power);
}

// Unit gradient of a distance function, by central differences.
template <class F> V2 gradientOf(const F& f, V2 p, float e) {
    const float gx = f({p.x + e, p.y}) - f({p.x - e, p.y});
    const float gy = f({p.x, p.y + e}) - f({p.x, p.y - e});
    const float l = std::sqrt(gx * gx + gy * gy);
    return l > 0 ? V2{gx / l, gy / l} : V2{0, 0};
}

// The normal of a shape whose edge is rounded over 'width' (a quarter-circle
// bevel): flat inside, turning outwards towards the rim.
inline V3 bevelNormal(V2 outward, float sd, float width) {
    const float t = clamp01(1 + sd / width);
    const float slope = std::min(4.0f, t / std::sqrt(std::max(1e-3f, 1 - t * t)));
    return normalize({outward.x * slope, outward.y * slope, 1});
}

// A dome over a shape: rises over 'width' from the rim, then flat.
inline V3 domeNormal(V2 outward, float sd, float width, float steep = 1.5f) {
    const float t = clamp01(1 + sd / width);
    const float slope = std::min(5.0f, steep * t / std::sqrt(std::max(0.02f, 1 - t * t)));
    return normalize({outward.x * slope, outward.y * slope, 1});
}

// Perturbs a normal by a height field's slope (dx, dy).
inline V3 bump(V3 n, float dx, float dy) {
    return normalize({n.x - dx, n.y - dy, n.z});
}

inline C4 solid(V3 c, float a) {
    return {c, a};
}

// A soft, rounded part (a limb, a head): shaded as a dome over its outline with
// a darker rim so it reads against whatever lies behind it.
template <class F>
C4 pillow(const F& sd, V2 p, float px, V3 colour, float width, float rim = 2.0f,
          V3 light = lightDirection(), float shine = 0.18f) {
    const float d = sd(p);
    if (d > px) {
        return {colour, 0};
    }
    const V2 g = gradientOf(sd, p, px * 0.5f);
    const V3 n = domeNormal(g, d, width);
    V3 c = colour * (0.38f + 0.72f * diffuse(n, light)) +
           V3{1, 1, 1} * (shine * specular(n, 18, light));
    c = c * (1 - 0.6f * smoothstep(-rim * px, 0.0f, d));
    return {c, coverage(d, px)};
}

// Heights sampled once per pixel centre of a repeating picture; slopes come
// from neighbouring samples across the wrap, which is much cheaper than
// evaluating the height field again around every pixel.
class HeightGrid {
public:
    template <class F>
    HeightGrid(int width, int height, const F& f)
        : w(width), h(height), v(static_cast<std::size_t>(width) * height) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                v[static_cast<std::size_t>(y) * w + x] = f(V2{(x + 0.5f) / w, (y + 0.5f) / h});
            }
        }
    }
    float at(int x, int y) const {
        return v[static_cast<std::size_t>(wrapIndex(y, h)) * w + wrapIndex(x, w)];
    }
    // Height and slope (per picture unit) at the pixel that holds p.
    float height(V2 p) const { return at(ix(p), iy(p)); }
    V2 slope(V2 p) const {
        const int x = ix(p), y = iy(p);
        return {(at(x + 1, y) - at(x - 1, y)) * w * 0.5f, (at(x, y + 1) - at(x, y - 1)) * h * 0.5f};
    }

private:
    int ix(V2 p) const { return std::clamp(static_cast<int>(p.x * w), 0, w - 1); }
    int iy(V2 p) const { return std::clamp(static_cast<int>(p.y * h), 0, h - 1); }
    int w, h;
    std::vector<float> v;
};
