#pragma once

#include "ArtMath.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A colour with straight (not premultiplied) alpha.
struct C4 {
    V3 c;
    float a = 0;
};

// Premultiplied "over": src drawn on top of dst.
inline C4 over(C4 dst, C4 src) {
    const float a = src.a + dst.a * (1 - src.a);
    if (a <= 0) {
        return {{0, 0, 0}, 0};
    }
    const V3 c = (src.c * src.a + dst.c * (dst.a * (1 - src.a))) * (1 / a);
    return {c, a};
}

// How a finished picture is stored; matches the embedded formats.
enum class ArtFormat { Alpha, LuminanceAlpha, Rgba };

// A float picture being drawn. Coordinates given to shaders are in picture
// units: x and y from 0 to 1 across the picture, y pointing up, and row 0 of
// the pixel store is the bottom row (the order OpenGL uploads rows in).
class ArtCanvas {
public:
    ArtCanvas(int width, int height);

    int width() const { return w; }
    int height() const { return h; }
    C4& at(int x, int y) { return px[static_cast<std::size_t>(y) * w + x]; }
    const C4& at(int x, int y) const { return px[static_cast<std::size_t>(y) * w + x]; }

    // Draws shader(p) over the picture, averaging samples x samples points per
    // pixel. The shader returns straight-alpha colour.
    void paint(const std::function<C4(V2)>& shader, int samples = 1);

    // The picture as stored bytes. RGBA pictures get the colour of their
    // visible pixels spread into transparent ones, so filtering and mipmaps do
    // not pull dark fringes in at the edges.
    std::vector<std::uint8_t> bytes(ArtFormat format) const;

    // Size of one pixel in picture units (horizontal).
    float pixel() const { return 1.0f / w; }

private:
    int w, h;
    std::vector<C4> px;
};

// Anti-aliased coverage of a shape from its signed distance and the pixel size.
inline float coverage(float signedDistance, float pixelSize) {
    return clamp01(0.5f - signedDistance / pixelSize);
}

// A finished picture, ready to be stored or previewed.
struct ArtPicture {
    ArtFormat format = ArtFormat::Rgba;
    int width = 0, height = 0;
    std::vector<std::uint8_t> bytes; // rows bottom first
};

inline ArtPicture finish(const ArtCanvas& canvas, ArtFormat format) {
    return {format, canvas.width(), canvas.height(), canvas.bytes(format)};
}
