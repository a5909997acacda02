#pragma once

#include "graphics/OrbColor.h"
#include "graphics/OrbPoint.h"
#include "graphics/OrbRect.h"
#include "platform/OrbEmbeddedData.h"
#include "platform/OrbUncopyable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Pixel layouts of a texture; any value other than the first three is one byte
// (alpha) per pixel.
enum OrbPixelFormat : int {
    OrbPixelRGB = 0,
    OrbPixelRGBA = 1,
    OrbPixelLuminanceAlpha = 2,
    OrbPixelAlpha = 3
};

enum OrbTextureWrap : int { OrbWrapRepeat = 0, OrbWrapClamp = 1, OrbWrapClampToEdge = 2 };

enum OrbTextureFilter : int {
    OrbFilterNearest = 0,
    OrbFilterLinear = 1,
    OrbFilterNearestMipmapNearest = 2,
    OrbFilterLinearMipmapNearest = 3,
    OrbFilterNearestMipmapLinear = 4,
    OrbFilterLinearMipmapLinear = 5
};

// One image the game draws. Its pixels stay in memory for the whole run and are
// uploaded whenever a GL context exists, so a lost context costs nothing but a
// re-upload; owners count their acquisitions. A texture also batches textured,
// coloured quads and draws them all in one call. Quads can be kept in layers
// that are drawn in layer order within that call, so that one texture holding
// several pictures still composites them in a fixed order.
class OrbTexture : public OrbUncopyable {
public:
    // Interleaved layout of one batched vertex: u, v; r, g, b, a; x, y. Quads
    // are flat and unlit, so neither depth nor normals are passed.
    static constexpr int kFloatsPerVertex = 8;
    static constexpr int kColourOffset = 2;
    static constexpr int kPositionOffset = 6;

    OrbTexture(const unsigned char* data, int format, int width, int height,
               int wrapS = OrbWrapClamp, int wrapT = OrbWrapClamp, int magFilter = OrbFilterLinear,
               int minFilter = OrbFilterLinearMipmapLinear, bool mipmaps = true);
    // Blank: every pixel zero.
    OrbTexture(int format, int width, int height, int wrapS = OrbWrapClamp,
               int wrapT = OrbWrapClamp, int magFilter = OrbFilterLinear,
               int minFilter = OrbFilterLinearMipmapLinear, bool mipmaps = true);
    // From a zlib stream that must inflate to exactly width x height pixels; throws
    // OrbCorruptDataTextureException otherwise.
    OrbTexture(std::size_t compressedLength, const unsigned char* compressed, int format, int width,
               int height, int wrapS = OrbWrapClamp, int wrapT = OrbWrapClamp,
               int magFilter = OrbFilterLinear, int minFilter = OrbFilterLinearMipmapLinear,
               bool mipmaps = true);
    // The rectangle at (x, y) of an image whose rows are `sourceWidth` pixels long.
    // (No defaults here: they would make short calls of the first form ambiguous.)
    OrbTexture(const unsigned char* data, int format, int sourceWidth, int x, int y, int width,
               int height, int wrapS, int wrapT, int magFilter, int minFilter, bool mipmaps);
    virtual ~OrbTexture() = default;

    virtual void acquire();
    virtual void release();
    virtual bool isUploaded() const;

    void bind() const;
    // Replaces the pixels (same size) and re-uploads them if the GL texture exists.
    void setPixels(const unsigned char* data);
    // Makes every pixel one colour, each channel floor(c x 255.999) clamped to a byte.
    void fillSolid(const OrbColor& colour);

    void addQuad(const OrbRect& rect, const OrbColor& colour, float rotation = 0.0f);
    // Texture coordinates run to `extent`, for repeating textures.
    void addQuad(const OrbRect& rect, OrbPoint extent, const OrbColor& colour,
                 float rotation = 0.0f);
    void addQuad(const OrbRect& rect, const OrbRect& textureRect, const OrbColor& colour,
                 float rotation = 0.0f);
    // Explicit corners, in the order bottom-left, top-left, top-right, bottom-right.
    void addQuad(const std::array<OrbPoint, 4>& corners, const std::array<OrbPoint, 4>& uvs,
                 const OrbColor& colour);
    void addQuad(const std::array<OrbPoint, 4>& corners, OrbPoint extent, const OrbColor& colour);
    // Draws the batched quads in one call and empties the batch.
    void flush();
    // Quads added from now on join layer n (0 .. layer count - 1); layers are
    // drawn in order, quads within a layer in the order they were added.
    void setLayerCount(int count);
    void useLayer(int n) { layer_ = n; }
    // Draws only layers first..last (inclusive) in one call and empties them;
    // answers whether anything was drawn. The other layers stay batched.
    bool flushLayers(int first, int last);
    int layerCount() const { return static_cast<int>(layers_.size()); }

    // Inflates a zlib stream into exactly `size` bytes or throws
    // OrbCorruptDataTextureException.
    static std::vector<unsigned char> inflate(const unsigned char* compressed,
                                              std::size_t compressedLength, std::size_t size);
    static int bytesPerPixel(int format);

    int format() const { return format_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int useCount() const { return useCount_; }
    unsigned glName() const { return glName_; }
    const std::vector<unsigned char>& pixels() const { return pixels_; }
    int batchedIndexCount() const;
    const std::vector<float>& batchedVertices() const { return vertices_; }

    // One mipmap level down: the pixels of a level half as wide and high (a
    // side of 1 stays 1), each the mean of the pixels it covers.
    static std::vector<unsigned char> halved(const unsigned char* pixels, int format, int width,
                                             int height);

protected:
    void upload();
    // Uploads level 0 and every mipmap level below it into the bound texture.
    static void uploadWithMipmaps(const unsigned char* pixels, int format, int width, int height);

    int useCount_ = 0;
    unsigned glName_ = 0;
    std::vector<unsigned char> pixels_;
    int format_;
    int width_;
    int height_;
    int wrapS_;
    int wrapT_;
    int magFilter_;
    int minFilter_;
    bool mipmaps_;

private:
    static std::size_t byteSize(int format, int width, int height);
    void initSize(int format, int width, int height, bool blank = true);
    void addRotatedQuad(const OrbRect& rect, const std::array<OrbPoint, 4>& uvs,
                        const OrbColor& colour, float rotation);

    // Kept between frames: clearing a vector keeps its storage.
    std::vector<float> vertices_;
    std::vector<std::vector<std::uint32_t>> layers_{1};
    std::vector<std::uint32_t> merged_;
    int layer_ = 0;
};
