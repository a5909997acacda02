#include "ArtCanvas.h"

ArtCanvas::ArtCanvas(int width, int height)
    : w(width), h(height), px(static_cast<std::size_t>(width) * height) {}

void ArtCanvas::paint(const std::function<C4(V2)>& shader, int samples) {
    const float inv = 1.0f / samples;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            V3 sum{0, 0, 0};
            float alpha = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const V2 p{(x + (sx + 0.5f) * inv) / w, (y + (sy + 0.5f) * inv) / h};
                    const C4 s = shader(p);
                    const float a = clamp01(s.a);
                    sum = sum + s.c * a;
                    alpha += a;
                }
            }
            const float n = static_cast<float>(samples * samples);
            if (alpha <= 0) {
                continue;
            }
            const C4 src{sum * (1 / alpha), alpha / n};
            at(x, y) = over(at(x, y), src);
        }
    }
}

static std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255.0f));
}

// Copies the colour of visible pixels into their transparent neighbours, a few
// rings deep, then gives the rest the mean visible colour.
static std::vector<V3> bleedColours(const ArtCanvas& canvas) {
    const int w = canvas.width(), h = canvas.height();
    std::vector<V3> colour(static_cast<std::size_t>(w) * h);
    std::vector<char> known(colour.size(), 0);
    V3 mean{0, 0, 0};
    float weight = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const C4& p = canvas.at(x, y);
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            colour[i] = p.c;
            if (p.a > 0.5f / 255) {
                known[i] = 1;
                mean = mean + p.c * p.a;
                weight += p.a;
            }
        }
    }
    if (weight > 0) {
        mean = mean * (1 / weight);
    }
    for (int ring = 0; ring < 6; ++ring) {
        std::vector<char> next = known;
        std::vector<V3> out = colour;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * w + x;
                if (known[i]) {
                    continue;
                }
                V3 sum{0, 0, 0};
                int n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h) {
                            continue;
                        }
                        const std::size_t j = static_cast<std::size_t>(ny) * w + nx;
                        if (known[j]) {
                            sum = sum + colour[j];
                            ++n;
                        }
                    }
                }
                if (n > 0) {
                    out[i] = sum * (1.0f / n);
                    next[i] = 1;
                }
            }
        }
        colour.swap(out);
        known.swap(next);
    }
    for (std::size_t i = 0; i < colour.size(); ++i) {
        if (!known[i]) {
            colour[i] = mean;
        }
    }
    return colour;
}

std::vector<std::uint8_t> ArtCanvas::bytes(ArtFormat format) const {
    std::vector<std::uint8_t> out;
    switch (format) {
    case ArtFormat::Alpha:
        out.reserve(px.size());
        for (const C4& p : px) {
            out.push_back(toByte(p.a));
        }
        break;
    case ArtFormat::LuminanceAlpha:
        out.reserve(px.size() * 2);
        for (const C4& p : px) {
            const float lum = 0.299f * p.c.x + 0.587f * p.c.y + 0.114f * p.c.z;
            out.push_back(p.a > 0 ? toByte(lum) : 0);
            out.push_back(toByte(p.a));
        }
        break;
    case ArtFormat::Rgba: {
        const std::vector<V3> colour = bleedColours(*this);
        out.reserve(px.size() * 4);
        for (std::size_t i = 0; i < px.size(); ++i) {
            out.push_back(toByte(colour[i].x));
            out.push_back(toByte(colour[i].y));
            out.push_back(toByte(colour[i].z));
            out.push_back(toByte(px[i].a));
        }
        break;
    }
    }
    return out;
}
