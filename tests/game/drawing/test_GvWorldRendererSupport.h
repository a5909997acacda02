#pragma once

#include "game/drawing/GvWorldRenderer.h"
#include "graphics/OrbTexture.h"
#include "graphics/OrbTextureSet.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// Stand-in pictures for renderer tests: every frame is a small texture of one
// opaque colour, distinct per image (red = image index x 16 + 15, green = frame
// x 2, blue = 200), sampled without filtering so that drawn pixels are exact.
class FakeImages {
public:
    FakeImages() {
        const auto& counts = GvFrameChoice::standardCounts();
        for (int i = 0; i < kImageCount; ++i) {
            const auto image = static_cast<GvImage>(i);
            if (image == GvImage::voodooDoll) {
                doll_ = make(i, 0);
            } else if (image == GvImage::sparkle) {
                sparkle_ = make(i, 0);
            } else {
                sets_[static_cast<std::size_t>(i)] = std::make_unique<OrbTextureSet>();
                for (int f = 0; f < counts[static_cast<std::size_t>(i)]; ++f) {
                    sets_[static_cast<std::size_t>(i)]->add(make(i, f));
                }
            }
        }
    }

    static unsigned colourOf(GvImage image, int frame) {
        return (static_cast<unsigned>(static_cast<int>(image) * 16 + 15) << 16) |
               (static_cast<unsigned>(frame * 2) << 8) | 200u;
    }

    GvWorldRenderer::Images images() const {
        GvWorldRenderer::Images result;
        for (int i = 0; i < kImageCount; ++i) {
            result.sets[static_cast<std::size_t>(i)] = sets_[static_cast<std::size_t>(i)].get();
        }
        result.voodooDoll = doll_.get();
        result.sparkle = sparkle_.get();
        return result;
    }

    OrbTexture& frame(GvImage image, int frame) const {
        if (image == GvImage::voodooDoll) {
            return *doll_;
        }
        if (image == GvImage::sparkle) {
            return *sparkle_;
        }
        return (*sets_[static_cast<std::size_t>(image)])[frame];
    }

    // Every texture, for acquiring and releasing in GL tests.
    std::vector<OrbTexture*> all() const {
        std::vector<OrbTexture*> result{doll_.get(), sparkle_.get()};
        for (const auto& set : sets_) {
            if (set) {
                for (int f = 0; f < set->size(); ++f) {
                    result.push_back(&(*set)[f]);
                }
            }
        }
        return result;
    }

private:
    static std::unique_ptr<OrbTexture> make(int image, int frame) {
        const unsigned rgb = colourOf(static_cast<GvImage>(image), frame);
        std::vector<unsigned char> pixels;
        for (int i = 0; i < 4; ++i) {
            pixels.push_back(static_cast<unsigned char>(rgb >> 16));
            pixels.push_back(static_cast<unsigned char>((rgb >> 8) & 0xff));
            pixels.push_back(static_cast<unsigned char>(rgb & 0xff));
            pixels.push_back(255);
        }
        return std::make_unique<OrbTexture>(pixels.data(), OrbPixelRGBA, 2, 2, OrbWrapRepeat,
                                            OrbWrapRepeat, OrbFilterNearest, OrbFilterNearest,
                                            false);
    }

    std::array<std::unique_ptr<OrbTextureSet>, kImageCount> sets_;
    std::unique_ptr<OrbTexture> doll_;
    std::unique_ptr<OrbTexture> sparkle_;
};

// One batched vertex of a texture, as the renderer wrote it.
struct BatchedVertex {
    float u, v, r, g, b, a, x, y;
};

inline std::vector<BatchedVertex> batchOf(const OrbTexture& texture) {
    std::vector<BatchedVertex> result;
    const auto& f = texture.batchedVertices();
    for (std::size_t i = 0; i + OrbTexture::kFloatsPerVertex <= f.size();
         i += OrbTexture::kFloatsPerVertex) {
        const std::size_t c = i + OrbTexture::kColourOffset;
        const std::size_t p = i + OrbTexture::kPositionOffset;
        result.push_back({f[i], f[i + 1], f[c], f[c + 1], f[c + 2], f[c + 3], f[p], f[p + 1]});
    }
    return result;
}

// Number of quads batched in a texture.
inline int quadsOf(const OrbTexture& texture) {
    return texture.batchedIndexCount() / 4;
}
