#include "graphics/OrbTextureAtlas.h"

#include "graphics/OrbTextureException.h"

#include <cstdlib>
#include <cstring>

namespace {

// Mipmaps are built for power-of-two sizes only.
int powerOfTwoAtLeast(int n) {
    int p = 1;
    while (p < n) {
        p *= 2;
    }
    return p;
}

constexpr int kLargestSide = 8192;

struct Layout {
    int columns = 0;
    int width = 0;
    int height = 0;
};

// The smallest power-of-two texture that holds `count` cells, the squarer one
// among equals.
Layout layoutFor(int cellWidth, int cellHeight, int count) {
    Layout best;
    for (int width = powerOfTwoAtLeast(cellWidth); width <= kLargestSide; width *= 2) {
        const int columns = width / cellWidth;
        const int rows = (count + columns - 1) / columns;
        const int height = powerOfTwoAtLeast(rows * cellHeight);
        if (height > kLargestSide) {
            continue;
        }
        const long long area = static_cast<long long>(width) * height;
        const long long bestArea = static_cast<long long>(best.width) * best.height;
        if (best.columns == 0 || area < bestArea ||
            (area == bestArea && std::abs(width - height) < std::abs(best.width - best.height))) {
            best = Layout{columns, width, height};
        }
    }
    return best;
}

} // namespace

OrbTextureAtlas::OrbTextureAtlas(int format, int frameWidth, int frameHeight, int frameCount)
    : OrbTexture(format, 1, 1, OrbWrapClamp, OrbWrapClamp, OrbFilterLinear,
                 OrbFilterLinearMipmapLinear, true),
      frameWidth_(frameWidth), frameHeight_(frameHeight), frameCount_(frameCount) {
    if (frameWidth <= 0 || frameHeight <= 0 || frameCount <= 0 || frameWidth % kGutter != 0 ||
        frameHeight % kGutter != 0) {
        throw OrbTextureException();
    }
    const Layout layout = layoutFor(frameWidth + kGutter, frameHeight + kGutter, frameCount);
    if (layout.columns == 0) {
        throw OrbTextureException();
    }
    columns_ = layout.columns;
    width_ = layout.width;
    height_ = layout.height;
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) *
                       static_cast<std::size_t>(bytesPerPixel(format_)),
                   0);
}

void OrbTextureAtlas::setFrame(int index, const unsigned char* pixels) {
    unsigned char* at = frameData(index);
    if (at == nullptr) {
        return;
    }
    const std::size_t frameRow =
        static_cast<std::size_t>(frameWidth_) * static_cast<std::size_t>(bytesPerPixel(format_));
    for (int row = 0; row < frameHeight_; ++row) {
        std::memcpy(at + static_cast<std::size_t>(row) * rowBytes(),
                    pixels + static_cast<std::size_t>(row) * frameRow, frameRow);
    }
}

unsigned char* OrbTextureAtlas::frameData(int index) {
    if (index < 0 || index >= frameCount_) {
        return nullptr;
    }
    const int x0 = (index % columns_) * (frameWidth_ + kGutter);
    const int y0 = (index / columns_) * (frameHeight_ + kGutter);
    return pixels_.data() + static_cast<std::size_t>(y0) * rowBytes() +
           static_cast<std::size_t>(x0) * static_cast<std::size_t>(bytesPerPixel(format_));
}

std::size_t OrbTextureAtlas::rowBytes() const {
    return static_cast<std::size_t>(width_) * static_cast<std::size_t>(bytesPerPixel(format_));
}

OrbRect OrbTextureAtlas::frameRect(int index) const {
    const int x0 = (index % columns_) * (frameWidth_ + kGutter);
    const int y0 = (index / columns_) * (frameHeight_ + kGutter);
    const float w = static_cast<float>(width_);
    const float h = static_cast<float>(height_);
    return OrbRect{static_cast<float>(x0) / w, static_cast<float>(y0) / h,
                   static_cast<float>(frameWidth_) / w, static_cast<float>(frameHeight_) / h};
}

OrbRect OrbTextureAtlas::mapToFrame(int index, const OrbRect& t) const {
    const OrbRect f = frameRect(index);
    return OrbRect{f.x + t.x * f.width, f.y + t.y * f.height, t.width * f.width,
                   t.height * f.height};
}
