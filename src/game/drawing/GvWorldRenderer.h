#pragma once

#include "game/drawing/GvFrameChoice.h"
#include "graphics/OrbColor.h"
#include "graphics/OrbRect.h"
#include "platform/OrbUncopyable.h"

#include <array>

class GvObject;
class GvWorld;
class OrbTexture;
class OrbTextureAtlas;
class OrbTextureSet;

// Turns world objects into textured quads. Drawing only fills the batches of the
// textures; `flushAll` then draws them in the compositing order of GvImage, one
// draw call per texture that has quads, so what covers what does not depend on
// the order in which cells are visited.
//
// Positions are on a canvas where one unit is one cell and y grows upwards: an
// object drawn at (x, y) covers (x - 0.5, y - 0.5) to (x + 0.5, y + 0.5) before
// its shifts. Grid positions (which include the camera's wrap offsets) pick the
// quarter of tiled pictures, so their pattern continues across wraps.
class GvWorldRenderer : OrbUncopyable {
public:
    // Frames of an image held in an atlas: `count` frames from `first` on,
    // batched in `layer`. Only for images whose texture coordinates stay within
    // a frame, that is neither tiled nor drawn in runs or filler bands. Layers
    // of an atlas rise in compositing order; the images of an atlas that follow
    // each other in that order are drawn together in one call.
    struct Sheet {
        OrbTextureAtlas* atlas = nullptr;
        int first = 0;
        int count = 0;
        int layer = 0;
    };

    // The textures of every image, borrowed. Sets are indexed by GvImage; the
    // voodoo doll and the sparkle are single textures. An image with an atlas
    // sheet is drawn from the atlas, not from its set or texture.
    struct Images {
        std::array<OrbTextureSet*, kImageCount> sets{};
        OrbTexture* voodooDoll = nullptr;
        OrbTexture* sparkle = nullptr;
        std::array<Sheet, kImageCount> sheets{};
    };

    // What part of the world to draw and where: cells from (firstCol, firstRow) to
    // (lastCol, lastRow) inclusive in camera coordinates (columns and rows of the
    // visible rectangle, beyond the cave on axes that wrap), with the camera's
    // point at the canvas origin.
    struct View {
        float cameraX = 0.0f;
        float cameraY = 0.0f;
        int firstCol = 0;
        int lastCol = -1;
        int firstRow = 0;
        int lastRow = -1;
        int wrapOffsetX = 0;
        int wrapOffsetY = 0;
        float brightness = 1.0f;
    };

    explicit GvWorldRenderer(const Images& images);

    void drawObject(const GvObject& object, const GvWorld& world, float brightness, float x,
                    float y, int gridCol, int gridRow);
    // `count` equal mergeable cells in a row as one quad whose picture repeats once
    // per cell; the frame is the first cell's.
    void drawRun(const GvWorld& world, const GvObject& object, int count, float brightness, float x,
                 float y, int gridCol, int gridRow);
    // The band outside the cave on the axes that do not wrap, for a visible area of
    // `visible` cells (x = first column, y = first row) around the camera.
    void drawFiller(const GvWorld& world, float brightness, const OrbRect& visible, float cameraX,
                    float cameraY);
    // Draws every batch in compositing order and answers the number of draw calls.
    int flushAll();

    // The three passes of the game: vanish list 0, the grid (with runs), vanish
    // list 1, each ending with `flushAll`. Answers the draw calls made.
    int drawWorld(const GvWorld& world, const View& view);
    // The passes on their own, without flushing: the grid with its runs, and the
    // records of one vanish list in every wrapped copy inside the view.
    void drawGrid(const GvWorld& world, const View& view);
    void drawVanishList(const GvWorld& world, const View& view, int list);
    // A whole cave as a plain picture for previews: no camera, shifts, turning,
    // scaling or sparkles; cell (c, r) covers (c, height - 1 - r) to one more.
    void drawPlain(const GvWorld& world);

    // Whether the camera may pass the cave's edge on each axis.
    static bool wrapsHorizontally(const GvWorld& world);
    static bool wrapsVertically(const GvWorld& world);

    // The sparkle colour, before brightness.
    static OrbColor sparkleColour();

    // Adds a quad showing frame `frame` (clamped) of an image, for pictures
    // drawn outside the grid such as the title backdrop.
    void drawFrame(GvImage image, int frame, const OrbRect& quad, const OrbColor& colour,
                   float rotation);

    const GvFrameChoice::Counts& counts() const { return counts_; }
    // Draw calls made by `flushAll` since the last reset.
    int drawCalls() const { return drawCalls_; }
    void resetDrawCalls() { drawCalls_ = 0; }

private:
    // Where the quads of one frame go: a texture, its layer and the frame's place
    // in it (the whole texture unless it is an atlas).
    struct Destination {
        OrbTexture* texture = nullptr;
        int layer = 0;
        const OrbTextureAtlas* atlas = nullptr;
        int atlasFrame = 0;
    };
    Destination destination(GvImage image, int frame) const;
    static void addQuad(const Destination& to, const OrbRect& quad, const OrbRect& tex,
                        const OrbColor& colour, float rotation);
    void drawLook(const GvLook& look, const GvObject& object, const OrbColor& colour, float x,
                  float y, int gridCol, int gridRow, bool plain);
    void drawSparkles(const GvObject& object, const GvLook& look, float brightness, float cx,
                      float cy);
    void drawCell(const GvObject& object, const GvWorld& world, float brightness, float x, float y,
                  int gridCol, int gridRow, bool plain);
    // How many cells from camera cell (col, row) up to `lastCol` merge with `object`
    // (itself included) into one quad: same kind and style, and both mergeable.
    int runLength(const GvWorld& world, const GvObject& object, int col, int row,
                  int lastCol) const;
    void drawRow(const GvWorld& world, const View& view, int row);
    // The object shown at camera cell (col, row), or null when there is none.
    const GvObject* objectAt(const GvWorld& world, int col, int row) const;
    void fillerQuad(const GvWorld& world, int type, float brightness, int firstCol, int firstRow,
                    int cols, int rows, float cameraX, float cameraY);

    Images images_;
    GvFrameChoice::Counts counts_{};
    int drawCalls_ = 0;
};
