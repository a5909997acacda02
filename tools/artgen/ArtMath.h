#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Small vector types, hashing, noise and distance helpers that the art
// generator draws with. Everything is deterministic: hashes replace random
// generators so the same build always yields the same pixels.

constexpr float kPi = 3.14159265358979f;

struct V2 {
    float x = 0, y = 0;
};
inline V2 operator+(V2 a, V2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline V2 operator-(V2 a, V2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline V2 operator*(V2 a, float s) {
    return {a.x * s, a.y * s};
}
inline float dot(V2 a, V2 b) {
    return a.x * b.x + a.y * b.y;
}
inline float length(V2 a) {
    return std::sqrt(dot(a, a));
}
inline V2 rotate(V2 p, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

struct V3 {
    float x = 0, y = 0, z = 0;
};
inline V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline V3 operator*(V3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline V3 operator*(V3 a, V3 b) {
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
inline float dot(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 normalize(V3 a) {
    const float l = std::sqrt(dot(a, a));
    return l > 0 ? a * (1.0f / l) : V3{0, 0, 1};
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
inline float mix(float a, float b, float t) {
    return a + (b - a) * t;
}
inline V3 mix(V3 a, V3 b, float t) {
    return a + (b - a) * t;
}
inline float smoothstep(float e0, float e1, float v) {
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
inline V3 rgb(int hex) {
    return {((hex >> 16) & 255) / 255.0f, ((hex >> 8) & 255) / 255.0f, (hex & 255) / 255.0f};
}

inline std::uint32_t hash32(std::uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    v ^= v >> 16;
    return v;
}
inline std::uint32_t hash3(int a, int b, int c, std::uint32_t seed) {
    return hash32(static_cast<std::uint32_t>(a) * 0x8da6b343U ^
                  hash32(static_cast<std::uint32_t>(b) * 0xd8163841U ^
                         hash32(static_cast<std::uint32_t>(c) * 0xcb1ab31fU ^ seed)));
}
// A value in [0, 1) from integer coordinates.
inline float hashUnit(int a, int b, int c, std::uint32_t seed) {
    return (hash3(a, b, c, seed) >> 8) * (1.0f / 16777216.0f);
}

inline int wrapIndex(int i, int period) {
    if (period <= 0) {
        return i;
    }
    const int m = i % period;
    return m < 0 ? m + period : m;
}

// Gradient noise in three dimensions, about -1..1. A positive period makes the
// noise repeat along that axis (lattice units), which keeps tiles seamless and
// animation loops closed.
inline float gradientNoise(float x, float y, float z, std::uint32_t seed, int px = 0, int py = 0,
                           int pz = 0) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y)),
              iz = static_cast<int>(std::floor(z));
    const float fx = x - ix, fy = y - iy, fz = z - iz;
    auto grad = [&](int cx, int cy, int cz, float dx, float dy, float dz) {
        const std::uint32_t h =
            hash3(wrapIndex(cx, px), wrapIndex(cy, py), wrapIndex(cz, pz), seed) % 12;
        static const float g[12][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0},
                                       {1, 0, 1}, {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
                                       {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};
        return g[h][0] * dx + g[h][1] * dy + g[h][2] * dz;
    };
    auto fade = [](float t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const float u = fade(fx), v = fade(fy), w = fade(fz);
    const float x00 = mix(grad(ix, iy, iz, fx, fy, fz), grad(ix + 1, iy, iz, fx - 1, fy, fz), u);
    const float x10 =
        mix(grad(ix, iy + 1, iz, fx, fy - 1, fz), grad(ix + 1, iy + 1, iz, fx - 1, fy - 1, fz), u);
    const float x01 =
        mix(grad(ix, iy, iz + 1, fx, fy, fz - 1), grad(ix + 1, iy, iz + 1, fx - 1, fy, fz - 1), u);
    const float x11 = mix(grad(ix, iy + 1, iz + 1, fx, fy - 1, fz - 1),
                          grad(ix + 1, iy + 1, iz + 1, fx - 1, fy - 1, fz - 1), u);
    return mix(mix(x00, x10, v), mix(x01, x11, v), w);
}

// Fractal sum of octaves; with a period the base period doubles per octave so
// the sum repeats as well.
inline float fbm(float x, float y, float z, std::uint32_t seed, int octaves, int px = 0, int py = 0,
                 int pz = 0) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * gradientNoise(x, y, z, seed + o * 101, px, py, pz);
        norm += amp;
        x *= 2;
        y *= 2;
        z *= 2;
        px *= 2;
        py *= 2;
        pz *= 2;
        amp *= 0.5f;
    }
    return sum / norm;
}

// Nearest and second-nearest feature points of a jittered grid (cell noise).
struct Cells {
    float d1 = 1e9f, d2 = 1e9f; // distances
    int cx = 0, cy = 0;         // lattice cell of the nearest point
    V2 nearest;                 // offset from the sample to the nearest point
};
// 'jitter' moves each point inside its cell; 'time' (0..1) turns the points on
// small circles so a looped animation closes.
inline Cells cellNoise(float x, float y, std::uint32_t seed, int px = 0, int py = 0,
                       float jitter = 0.8f, float time = -1, float wobble = 0.15f) {
    Cells r;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
            const int cx = ix + i, cy = iy + j;
            const int hx = wrapIndex(cx, px), hy = wrapIndex(cy, py);
            float ox = 0.5f + (hashUnit(hx, hy, 1, seed) - 0.5f) * jitter;
            float oy = 0.5f + (hashUnit(hx, hy, 2, seed) - 0.5f) * jitter;
            if (time >= 0) {
                const float a = 2 * kPi * (time + hashUnit(hx, hy, 3, seed));
                ox += wobble * std::cos(a);
                oy += wobble * std::sin(a);
            }
            const V2 d{cx + ox - x, cy + oy - y};
            const float dist = length(d);
            if (dist < r.d1) {
                r.d2 = r.d1;
                r.d1 = dist;
                r.cx = hx;
                r.cy = hy;
                r.nearest = d;
            } else if (dist < r.d2) {
                r.d2 = dist;
            }
        }
    }
    return r;
}

// Signed distances (negative inside).
inline float sdCircle(V2 p, V2 c, float r) {
    return length(p - c) - r;
}
inline float sdSegment(V2 p, V2 a, V2 b) {
    const V2 pa = p - a, ba = b - a;
    const float l2 = dot(ba, ba);
    const float h = l2 > 0 ? std::clamp(dot(pa, ba) / l2, 0.0f, 1.0f) : 0.0f;
    return length(pa - ba * h);
}
inline float sdCapsule(V2 p, V2 a, V2 b, float r) {
    return sdSegment(p, a, b) - r;
}
inline float sdBox(V2 p, V2 c, V2 half, float round) {
    const V2 d{std::fabs(p.x - c.x) - half.x + round, std::fabs(p.y - c.y) - half.y + round};
    const V2 o{std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
    return length(o) + std::min(std::max(d.x, d.y), 0.0f) - round;
}
// An ellipse, approximated well enough for shading and anti-aliasing.
inline float sdEllipse(V2 p, V2 c, V2 r) {
    const V2 q{(p.x - c.x) / r.x, (p.y - c.y) / r.y};
    const float k = length(q);
    if (k == 0) {
        return -std::min(r.x, r.y);
    }
    const V2 g{q.x / (r.x * k), q.y / (r.y * k)};
    return (k - 1) / std::max(length(g), 1e-6f);
}
// Polygon with any winding; points in order.
inline float sdPolygon(V2 p, const V2* v, int n) {
    float d = dot(p - v[0], p - v[0]);
    float s = 1;
    for (int i = 0, j = n - 1; i < n; j = i, ++i) {
        const V2 e = v[j] - v[i], w = p - v[i];
        const float h = std::clamp(dot(w, e) / dot(e, e), 0.0f, 1.0f);
        const V2 b = w - e * h;
        d = std::min(d, dot(b, b));
        const bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) {
            s = -s;
        }
    }
    return s * std::sqrt(d);
}
inline float smoothMin(float a, float b, float k) {
    const float h = clamp01(0.5f + 0.5f * (b - a) / k);
    return mix(b, a, h) - k * h * (1 - h);
}
inline V2 normalize2(V2 a) {
    const float l = length(a);
    return l > 0 ? a * (1 / l) : V2{0, 0};
}
