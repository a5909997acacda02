#include "graphics/OrbTexture.h"

#include "graphics/OrbCorruptDataTextureException.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <zlib.h>

namespace {

GLenum glFormat(int format) {
    switch (format) {
    case OrbPixelRGB:
        return GL_RGB;
    case OrbPixelRGBA:
        return GL_RGBA;
    case OrbPixelLuminanceAlpha:
        return GL_LUMINANCE_ALPHA;
    default:
        return GL_ALPHA;
    }
}

GLint glWrap(int wrap) {
    switch (wrap) {
    case OrbWrapRepeat:
        return GL_REPEAT;
    case OrbWrapClampToEdge:
        return GL_CLAMP_TO_EDGE;
    default:
        return GL_CLAMP;
    }
}

GLint glFilter(int filter) {
    switch (filter) {
    case OrbFilterNearest:
        return GL_NEAREST;
    case OrbFilterNearestMipmapNearest:
        return GL_NEAREST_MIPMAP_NEAREST;
    case OrbFilterLinearMipmapNearest:
        return GL_LINEAR_MIPMAP_NEAREST;
    case OrbFilterNearestMipmapLinear:
        return GL_NEAREST_MIPMAP_LINEAR;
    case OrbFilterLinearMipmapLinear:
        return GL_LINEAR_MIPMAP_LINEAR;
    default:
        return GL_LINEAR;
    }
}

constexpr float kPi = 3.1415927f;

} // namespace

int OrbTexture::bytesPerPixel(int format) {
    switch (format) {
    case OrbPixelRGB:
        return 3;
    case OrbPixelRGBA:
        return 4;
    case OrbPixelLuminanceAlpha:
        return 2;
    default:
        return 1;
    }
}

std::size_t OrbTexture::byteSize(int format, int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
           static_cast<std::size_t>(bytesPerPixel(format));
}

void OrbTexture::initSize(int format, int width, int height, bool blank) {
    if (width <= 0 || height <= 0) {
        throw OrbTextureException();
    }
    format_ = format;
    width_ = width;
    height_ = height;
    if (blank) {
        pixels_.assign(byteSize(format, width, height), 0);
    }
}

OrbTexture::OrbTexture(const unsigned char* data, int format, int width, int height, int wrapS,
                       int wrapT, int magFilter, int minFilter, bool mipmaps)
    : wrapS_(wrapS), wrapT_(wrapT), magFilter_(magFilter), minFilter_(minFilter),
      mipmaps_(mipmaps) {
    initSize(format, width, height);
    std::memcpy(pixels_.data(), data, pixels_.size());
}

OrbTexture::OrbTexture(int format, int width, int height, int wrapS, int wrapT, int magFilter,
                       int minFilter, bool mipmaps)
    : wrapS_(wrapS), wrapT_(wrapT), magFilter_(magFilter), minFilter_(minFilter),
      mipmaps_(mipmaps) {
    initSize(format, width, height);
}

OrbTexture::OrbTexture(std::size_t compressedLength, const unsigned char* compressed, int format,
                       int width, int height, int wrapS, int wrapT, int magFilter, int minFilter,
                       bool mipmaps)
    : wrapS_(wrapS), wrapT_(wrapT), magFilter_(magFilter), minFilter_(minFilter),
      mipmaps_(mipmaps) {
    // The inflated stream becomes the pixels: no blank image to fill first.
    initSize(format, width, height, false);
    pixels_ = inflate(compressed, compressedLength, byteSize(format, width, height));
}

OrbTexture::OrbTexture(const unsigned char* data, int format, int sourceWidth, int x, int y,
                       int width, int height, int wrapS, int wrapT, int magFilter, int minFilter,
                       bool mipmaps)
    : wrapS_(wrapS), wrapT_(wrapT), magFilter_(magFilter), minFilter_(minFilter),
      mipmaps_(mipmaps) {
    // A rectangle reaching past the source rows would copy from the next row or
    // beyond the image.
    if (x < 0 || y < 0 || x + width > sourceWidth) {
        throw OrbTextureException();
    }
    initSize(format, width, height);
    const std::size_t bpp = static_cast<std::size_t>(bytesPerPixel(format));
    const std::size_t rowBytes = static_cast<std::size_t>(width) * bpp;
    for (int row = 0; row < height; ++row) {
        const std::size_t source =
            (static_cast<std::size_t>(y + row) * static_cast<std::size_t>(sourceWidth) +
             static_cast<std::size_t>(x)) *
            bpp;
        std::memcpy(pixels_.data() + static_cast<std::size_t>(row) * rowBytes, data + source,
                    rowBytes);
    }
}

std::vector<unsigned char> OrbTexture::inflate(const unsigned char* compressed,
                                               std::size_t compressedLength, std::size_t size) {
    if (compressed == nullptr || compressedLength > std::numeric_limits<uLong>::max()) {
        throw OrbCorruptDataTextureException();
    }
    std::vector<unsigned char> out(size);
    uLongf length = static_cast<uLongf>(size);
    // One byte to spare would only hide a stream that is too long; zlib reports that
    // as running out of room.
    const int result =
        uncompress(out.data(), &length, compressed, static_cast<uLong>(compressedLength));
    if (result != Z_OK || length != size) {
        throw OrbCorruptDataTextureException();
    }
    return out;
}

void OrbTexture::acquire() {
    ++useCount_;
    if (useCount_ != 1) {
        return;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glName_ = name;
    if (glName_ == 0) {
        return;
    }
    upload();
}

void OrbTexture::upload() {
    glBindTexture(GL_TEXTURE_2D, glName_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, glWrap(wrapS_));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, glWrap(wrapT_));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, glFilter(magFilter_));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, glFilter(minFilter_));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = glFormat(format_);
    if (mipmaps_) {
        uploadWithMipmaps(pixels_.data(), format_, width_, height_);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width_, height_, 0, format,
                     GL_UNSIGNED_BYTE, pixels_.data());
    }
}

namespace {

// The rounded means of the 2 x 2 blocks of `h` x 2 rows; with the pixel size
// fixed the compiler can take many channels at once.
template <int Bpp>
void halveBlocks(const unsigned char* pixels, std::size_t row, int w, int h, unsigned char* d) {
    for (int y = 0; y < h; ++y) {
        const unsigned char* top = pixels + static_cast<std::size_t>(2 * y) * row;
        const unsigned char* bottom = top + row;
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < Bpp; ++c) {
                *d++ = static_cast<unsigned char>(
                    (top[c] + top[Bpp + c] + bottom[c] + bottom[Bpp + c] + 2) / 4);
            }
            top += 2 * Bpp;
            bottom += 2 * Bpp;
        }
    }
}

} // namespace

std::vector<unsigned char> OrbTexture::halved(const unsigned char* pixels, int format, int width,
                                              int height) {
    const int bpp = bytesPerPixel(format);
    const int w = std::max(width / 2, 1);
    const int h = std::max(height / 2, 1);
    std::vector<unsigned char> out(static_cast<std::size_t>(w) * h * bpp);
    const std::size_t row = static_cast<std::size_t>(width) * bpp;
    if (width == 1 || height == 1) {
        // A line halves along its length: the mean of each pair, rounded down.
        const std::size_t step = width == 1 ? row : static_cast<std::size_t>(bpp);
        for (int i = 0; i < w * h; ++i) {
            const unsigned char* a = pixels + static_cast<std::size_t>(i) * 2 * step;
            for (int c = 0; c < bpp; ++c) {
                out[static_cast<std::size_t>(i) * bpp + c] =
                    static_cast<unsigned char>((a[c] + a[step + c]) / 2);
            }
        }
        return out;
    }
    // Each pixel is the rounded mean of a 2 x 2 block, as GLU's builder makes it.
    switch (bpp) {
    case 1:
        halveBlocks<1>(pixels, row, w, h, out.data());
        break;
    case 2:
        halveBlocks<2>(pixels, row, w, h, out.data());
        break;
    case 3:
        halveBlocks<3>(pixels, row, w, h, out.data());
        break;
    default:
        halveBlocks<4>(pixels, row, w, h, out.data());
        break;
    }
    return out;
}

void OrbTexture::uploadWithMipmaps(const unsigned char* pixels, int format, int width, int height) {
    const GLenum glFormatValue = glFormat(format);
    const auto powerOfTwo = [](int n) { return n > 0 && (n & (n - 1)) == 0; };
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    // GLU's builder also rescales odd sizes and shrinks what the driver cannot
    // take; the game's own pictures never need that, so the chain is built here
    // by the same averaging, without the builder's detours through conversions.
    if (!powerOfTwo(width) || !powerOfTwo(height) || width > largest || height > largest) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(glFormatValue), width, height,
                          glFormatValue, GL_UNSIGNED_BYTE, pixels);
        return;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(glFormatValue), width, height, 0,
                 glFormatValue, GL_UNSIGNED_BYTE, pixels);
    std::vector<unsigned char> level;
    const unsigned char* source = pixels;
    for (int n = 1; width > 1 || height > 1; ++n) {
        level = halved(source, format, width, height);
        width = std::max(width / 2, 1);
        height = std::max(height / 2, 1);
        glTexImage2D(GL_TEXTURE_2D, n, static_cast<GLint>(glFormatValue), width, height, 0,
                     glFormatValue, GL_UNSIGNED_BYTE, level.data());
        source = level.data();
    }
}

void OrbTexture::release() {
    if (useCount_ <= 0) {
        return;
    }
    --useCount_;
    if (useCount_ == 0 && glName_ != 0) {
        const GLuint name = glName_;
        glDeleteTextures(1, &name);
        glName_ = 0;
    }
}

bool OrbTexture::isUploaded() const {
    return glName_ != 0;
}

void OrbTexture::bind() const {
    glBindTexture(GL_TEXTURE_2D, glName_);
}

void OrbTexture::setPixels(const unsigned char* data) {
    std::memcpy(pixels_.data(), data, pixels_.size());
    // The GL texture itself decides, not isUploaded: a render target that cannot
    // render still shows pixels set this way.
    if (glName_ != 0) {
        upload();
    }
}

void OrbTexture::fillSolid(const OrbColor& colour) {
    const auto byte = [](float c) {
        return static_cast<unsigned char>(
            std::clamp(static_cast<int>(std::floor(c * 255.999f)), 0, 255));
    };
    unsigned char rgba[4] = {byte(colour.r), byte(colour.g), byte(colour.b), byte(colour.a)};
    unsigned char pixel[4];
    int n = bytesPerPixel(format_);
    switch (format_) {
    case OrbPixelRGB:
    case OrbPixelRGBA:
        std::memcpy(pixel, rgba, 4);
        break;
    case OrbPixelLuminanceAlpha:
        pixel[0] = rgba[0];
        pixel[1] = rgba[3];
        break;
    default:
        pixel[0] = rgba[3];
        break;
    }
    std::vector<unsigned char> data(pixels_.size());
    for (std::size_t i = 0; i < data.size(); i += static_cast<std::size_t>(n)) {
        std::memcpy(data.data() + i, pixel, static_cast<std::size_t>(n));
    }
    setPixels(data.data());
}

void OrbTexture::addQuad(const std::array<OrbPoint, 4>& corners, const std::array<OrbPoint, 4>& uvs,
                         const OrbColor& colour) {
    const std::size_t at = vertices_.size();
    const auto first = static_cast<std::uint32_t>(at / kFloatsPerVertex);
    vertices_.resize(at + 4 * kFloatsPerVertex);
    float* v = vertices_.data() + at;
    for (int i = 0; i < 4; ++i, v += kFloatsPerVertex) {
        v[0] = uvs[i].x;
        v[1] = uvs[i].y;
        v[2] = colour.r;
        v[3] = colour.g;
        v[4] = colour.b;
        v[5] = colour.a;
        v[6] = corners[i].x;
        v[7] = corners[i].y;
    }
    std::vector<std::uint32_t>& indices = layers_[static_cast<std::size_t>(
        std::clamp(layer_, 0, static_cast<int>(layers_.size()) - 1))];
    indices.insert(indices.end(), {first, first + 1, first + 2, first + 3});
}

void OrbTexture::addQuad(const std::array<OrbPoint, 4>& corners, OrbPoint extent,
                         const OrbColor& colour) {
    addQuad(corners, {OrbPoint{0, 0}, OrbPoint{0, extent.y}, extent, OrbPoint{extent.x, 0}},
            colour);
}

void OrbTexture::addRotatedQuad(const OrbRect& r, const std::array<OrbPoint, 4>& uvs,
                                const OrbColor& colour, float rotation) {
    std::array<OrbPoint, 4> corners = {OrbPoint{r.x, r.y}, OrbPoint{r.x, r.y + r.height},
                                       OrbPoint{r.x + r.width, r.y + r.height},
                                       OrbPoint{r.x + r.width, r.y}};
    if (rotation != 0.0f) {
        const float angle = rotation * kPi / 180.0f;
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        const float cx = r.x + r.width / 2.0f;
        const float cy = r.y + r.height / 2.0f;
        for (OrbPoint& p : corners) {
            const float dx = p.x - cx;
            const float dy = p.y - cy;
            p = OrbPoint{cx + dx * c - dy * s, cy + dx * s + dy * c};
        }
    }
    addQuad(corners, uvs, colour);
}

void OrbTexture::addQuad(const OrbRect& rect, const OrbColor& colour, float rotation) {
    addQuad(rect, OrbPoint{1.0f, 1.0f}, colour, rotation);
}

void OrbTexture::addQuad(const OrbRect& rect, OrbPoint extent, const OrbColor& colour,
                         float rotation) {
    addRotatedQuad(rect, {OrbPoint{0, 0}, OrbPoint{0, extent.y}, extent, OrbPoint{extent.x, 0}},
                   colour, rotation);
}

void OrbTexture::addQuad(const OrbRect& rect, const OrbRect& t, const OrbColor& colour,
                         float rotation) {
    addRotatedQuad(rect,
                   {OrbPoint{t.x, t.y}, OrbPoint{t.x, t.y + t.height},
                    OrbPoint{t.x + t.width, t.y + t.height}, OrbPoint{t.x + t.width, t.y}},
                   colour, rotation);
}

void OrbTexture::setLayerCount(int count) {
    layers_.resize(static_cast<std::size_t>(std::max(count, 1)));
    layer_ = std::clamp(layer_, 0, static_cast<int>(layers_.size()) - 1);
}

int OrbTexture::batchedIndexCount() const {
    std::size_t count = 0;
    for (const auto& layer : layers_) {
        count += layer.size();
    }
    return static_cast<int>(count);
}

void OrbTexture::flush() {
    flushLayers(0, static_cast<int>(layers_.size()) - 1);
}

bool OrbTexture::flushLayers(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(layers_.size()) - 1);
    // The quads of the layers in layer order, copied together only when more
    // than one layer has any.
    const std::vector<std::uint32_t>* indices = nullptr;
    int used = 0;
    for (int n = first; n <= last; ++n) {
        if (!layers_[static_cast<std::size_t>(n)].empty()) {
            indices = &layers_[static_cast<std::size_t>(n)];
            ++used;
        }
    }
    if (used == 0) {
        return false;
    }
    if (used > 1) {
        merged_.clear();
        for (int n = first; n <= last; ++n) {
            const auto& layer = layers_[static_cast<std::size_t>(n)];
            merged_.insert(merged_.end(), layer.begin(), layer.end());
        }
        indices = &merged_;
    }
    bind();
    constexpr GLsizei stride = kFloatsPerVertex * sizeof(float);
    glDisableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, stride, vertices_.data());
    glColorPointer(4, GL_FLOAT, stride, vertices_.data() + kColourOffset);
    glVertexPointer(2, GL_FLOAT, stride, vertices_.data() + kPositionOffset);
    glDrawElements(GL_QUADS, static_cast<GLsizei>(indices->size()), GL_UNSIGNED_INT,
                   indices->data());
    for (int n = first; n <= last; ++n) {
        layers_[static_cast<std::size_t>(n)].clear();
    }
    // The vertices are shared by all layers: kept until the last one is drawn.
    if (std::all_of(layers_.begin(), layers_.end(), [](const auto& l) { return l.empty(); })) {
        vertices_.clear();
    }
    return true;
}
