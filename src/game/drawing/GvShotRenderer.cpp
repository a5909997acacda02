#include "game/drawing/GvShotRenderer.h"

#include "game/drawing/GvResources.h"
#include "game/drawing/GvWorldRenderer.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbProjection.h"
#include "graphics/OrbRenderToTexture.h"
#include "graphics/OrbView.h"
#include "graphics/OrbViewImplSingle.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cstring>

namespace {

// Pictures are drawn in square pieces of at most this many pixels.
constexpr int kPieceSide = 1024;
constexpr int kWindowSide = 256;

// A view that draws nothing: the window only lends its context.
class ContextView : public OrbView {
public:
    ContextView(OrbViewImpl& impl, GvResources& resources) : OrbView(impl), resources_(resources) {}
    void graphicsCreated(int width, int height) override {
        resources_.setUpGraphics(width, height);
        created = true;
    }
    void graphicsReleased() override { resources_.releaseGraphics(); }
    void draw() override {}
    bool created = false;

private:
    GvResources& resources_;
};

// Copies a piece read bottom row first into a picture stored top row first.
void copyPiece(const std::vector<unsigned char>& piece, int pieceWidth, int x0, int y0, int width,
               int height, GvShotRenderer::Picture& picture) {
    for (int y = 0; y < height; ++y) {
        const unsigned char* from = piece.data() + static_cast<std::size_t>(y) * pieceWidth * 4;
        const int pictureRow = picture.height - 1 - (y0 + y);
        unsigned char* to =
            picture.rgba.data() +
            (static_cast<std::size_t>(pictureRow) * picture.width + static_cast<std::size_t>(x0)) *
                4;
        std::memcpy(to, from, static_cast<std::size_t>(width) * 4);
    }
}

} // namespace

class GvShotRenderer::Window {
public:
    explicit Window(GvResources& resources)
        : impl("Gravik", kWindowSide, kWindowSide, OrbWindowNormal), view(impl, resources) {}
    OrbViewImplSingle impl;
    ContextView view;
};

GvShotRenderer::GvShotRenderer() = default;

GvShotRenderer::~GvShotRenderer() {
    if (window_) {
        window_->impl.destroyWindow();
    }
}

bool GvShotRenderer::open(std::string& error) {
    if (window_) {
        return true;
    }
    if (!OrbViewImplSingle::displayAvailable()) {
        error = "no display to draw with (run under xvfb-run on a machine without one)";
        return false;
    }
    resources_ = std::make_unique<GvResources>();
    window_ = std::make_unique<Window>(*resources_);
    if (!window_->impl.open() || !window_->view.created) {
        window_.reset();
        error = "no window with an OpenGL context could be opened";
        return false;
    }
    return true;
}

bool GvShotRenderer::drawWorld(const GvWorld& world, int tilePixels, Picture& picture,
                               std::string& error) {
    if (!window_) {
        error = "the renderer is not open";
        return false;
    }
    const int cols = world.has_view ? world.view_width : world.width;
    const int rows = world.has_view ? world.view_height : world.height;
    if (tilePixels < 1 || cols < 1 || rows < 1) {
        error = "nothing to draw";
        return false;
    }
    const long long pictureWidth = static_cast<long long>(cols) * tilePixels;
    const long long pictureHeight = static_cast<long long>(rows) * tilePixels;
    if (pictureWidth > kMaxPictureSide || pictureHeight > kMaxPictureSide ||
        pictureWidth * pictureHeight > kMaxPicturePixels) {
        error = "the picture would be " + std::to_string(pictureWidth) + " x " +
                std::to_string(pictureHeight) + " pixels, more than can be drawn; choose a " +
                "smaller tile size";
        return false;
    }
    picture.width = cols * tilePixels;
    picture.height = rows * tilePixels;
    picture.rgba.assign(static_cast<std::size_t>(picture.width) * picture.height * 4, 0);

    // Pieces go into a render target when the GL offers one, else into the window.
    OrbRenderToTexture target(OrbPixelRGBA, kPieceSide, kPieceSide, OrbWrapClamp, OrbWrapClamp,
                              OrbFilterNearest, OrbFilterNearest, false);
    target.acquire();
    const bool offscreen = target.usable();
    const int pieceWidth = offscreen ? kPieceSide : window_->impl.drawableWidth();
    const int pieceHeight = offscreen ? kPieceSide : window_->impl.drawableHeight();
    if (pieceWidth < 1 || pieceHeight < 1) {
        target.release();
        error = "the window has no drawing surface";
        return false;
    }

    GvWorldRenderer::View view;
    view.cameraX = cols / 2.0f;
    view.cameraY = rows / 2.0f;
    view.lastCol = cols - 1;
    view.lastRow = rows - 1;
    const float tile = static_cast<float>(tilePixels);
    for (int y0 = 0; y0 < picture.height; y0 += pieceHeight) {
        for (int x0 = 0; x0 < picture.width; x0 += pieceWidth) {
            const int w = std::min(pieceWidth, picture.width - x0);
            const int h = std::min(pieceHeight, picture.height - y0);
            if (offscreen && !target.beginRendering()) {
                target.release();
                error = "the render target refused to draw";
                return false;
            }
            // This piece's share of the cave, in cells around the camera.
            const OrbRect canvas{-cols / 2.0f + x0 / tile, -rows / 2.0f + y0 / tile,
                                 pieceWidth / tile, pieceHeight / tile};
            OrbProjection(0, 0, pieceWidth, pieceHeight, canvas).apply();
            OrbGlState::setUpDrawing();
            OrbGlState::clear(OrbColor{0, 0, 0, 1});
            resources_->renderer().drawWorld(world, view);
            if (offscreen) {
                target.endRendering();
                copyPiece(target.pixels(), pieceWidth, x0, y0, w, h, picture);
            } else {
                OrbGlState::finish();
                copyPiece(OrbGlState::readPixels(0, 0, pieceWidth, pieceHeight), pieceWidth, x0, y0,
                          w, h, picture);
            }
        }
    }
    target.release();
    // Blending leaves partly covered pixels partly transparent; the picture is
    // meant as seen over black.
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4) {
        picture.rgba[i] = 255;
    }
    return true;
}

bool GvShotRenderer::drawPreview(const GvLevelPack& pack, int level, Picture& picture,
                                 std::string& error) {
    if (!window_) {
        error = "the renderer is not open";
        return false;
    }
    const int caves = pack.caveCount();
    if (caves < 1 || level < 0 || level >= pack.levelCount()) {
        error = "no such level";
        return false;
    }
    auto target = GvResources::makePreviewTarget();
    target->acquire();
    if (!target->usable()) {
        target->release();
        error = "this OpenGL cannot draw into textures, which previews need";
        return false;
    }
    const bool drawn = resources_->drawPreview(pack, level % caves, level / caves, *target);
    if (!drawn) {
        target->release();
        error = "the level could not be built";
        return false;
    }
    picture.width = target->width();
    picture.height = target->height();
    picture.rgba.assign(target->pixels().size(), 0);
    copyPiece(target->pixels(), picture.width, 0, 0, picture.width, picture.height, picture);
    target->release();
    return true;
}
