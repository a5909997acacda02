#pragma once

#include "graphics/OrbTexture.h"

// Frames of one size and format packed into one texture, so that quads showing
// different frames (even of different pictures, kept apart by layers) are drawn
// in one call. Every frame sits in a cell with a clear gutter above and to the
// right of it, and cells start at multiples of the gutter: filtering at a
// frame's edge then reads clear pixels, as a clamped texture of its own would,
// and the mipmap levels are the frame's own down to the level where the gutter
// shrinks to one pixel.
class OrbTextureAtlas : public OrbTexture {
public:
    static constexpr int kGutter = 16;

    // A clear atlas with room for `frameCount` frames; linear filtering with
    // mipmaps, clamped. Throws OrbTextureException for sizes that do not fit.
    OrbTextureAtlas(int format, int frameWidth, int frameHeight, int frameCount);

    // Copies a frame's pixels (rows bottom first, as textures store them) into
    // its cell. Indices outside the atlas are ignored.
    void setFrame(int index, const unsigned char* pixels);

    // Where frame `index` starts (its bottom row), for filling a frame in place;
    // its rows lie rowBytes() apart. Null for indices outside the atlas.
    unsigned char* frameData(int index);
    std::size_t rowBytes() const;

    int frameCount() const { return frameCount_; }
    int frameWidth() const { return frameWidth_; }
    int frameHeight() const { return frameHeight_; }
    // Where frame `index` lies, in texture coordinates of the atlas.
    OrbRect frameRect(int index) const;
    // A rectangle of a frame (0..1 across the frame) in texture coordinates of
    // the atlas; mirrored (negative) widths stay mirrored.
    OrbRect mapToFrame(int index, const OrbRect& withinFrame) const;

private:
    int frameWidth_;
    int frameHeight_;
    int frameCount_;
    int columns_ = 1;
};
