#include "game/drawing/GvResources.h"
#include "game/drawing/GvWorldRenderer.h"

#include "graphics/GlTestWindow.h"
#include "test_GvWorldRendererSupport.h"

#include "art/GvArt.h"
#include "formats/GvLevelPackLoader.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbPictureCodec.h"
#include "graphics/OrbProjection.h"
#include "graphics/OrbRenderToTexture.h"
#include "graphics/OrbTextureSet.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvDirtObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvPackedObjectType.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int kCell = 16;

GvWorldRenderer::View wholeCave(const GvWorld& world) {
    GvWorldRenderer::View view;
    view.cameraX = world.width / 2.0f;
    view.cameraY = world.height / 2.0f;
    view.lastCol = world.width - 1;
    view.lastRow = world.height - 1;
    return view;
}

// Makes one cave cell `cell` pixels wide in the lower-left corner of the window.
void useCaveCanvas(const GvWorld& world, int cell) {
    const float w = static_cast<float>(world.width);
    const float h = static_cast<float>(world.height);
    OrbProjection(0, 0, world.width * cell, world.height * cell, OrbRect{-w / 2, -h / 2, w, h})
        .apply();
}

// The colour at the centre of cave cell (col, row) in pixels read bottom-up.
unsigned cellColour(const std::vector<unsigned char>& pixels, int width, int height, int col,
                    int row, int cell) {
    return rgbAt(pixels, width, col * cell + cell / 2, (height - 1 - row) * cell + cell / 2);
}

int largestDifference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    int worst = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    }
    return worst;
}

class RenderWindow : public ::testing::Test {
protected:
    void SetUp() override {
        GRAVIK_REQUIRE_DISPLAY();
        ASSERT_TRUE(impl.open());
    }
    // Runs `drawing` inside a paint with the game's drawing state.
    void paint(const std::function<void()>& drawing) {
        view.onDraw = [&] {
            OrbGlState::setUpDrawing();
            OrbGlState::clear(OrbColor{0, 0, 0, 1});
            drawing();
        };
        impl.paintNow();
        view.onDraw = nullptr;
    }

    OrbViewImplSingle impl{"render test", 160, 120, OrbWindowNormal};
    GlTestView view{impl};
};

// A window with the stand-in pictures uploaded.
class RenderFakes : public RenderWindow {
protected:
    void SetUp() override {
        RenderWindow::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        for (OrbTexture* t : fakes.all()) {
            t->acquire();
        }
        acquired = true;
    }
    void TearDown() override {
        if (acquired) {
            for (OrbTexture* t : fakes.all()) {
                t->release();
            }
        }
    }

    FakeImages fakes;
    bool acquired = false;
};

} // namespace

TEST_F(RenderFakes, CellsGetTheColoursOfTheirObjectsInCompositingOrder) {
    GvWorldRenderer renderer(fakes.images());
    GvWorld world;
    GvWorldText::parse(world, "W.r \n ddX\n");
    // An explosion that leaves a diamond: the diamond is drawn over it.
    world.placeObject(1, 1,
                      std::make_unique<GvExplosionObject>(std::make_unique<GvDiamondObject>()));
    std::vector<unsigned char> pixels;
    int calls = 0;
    paint([&] {
        useCaveCanvas(world, kCell);
        calls = renderer.drawWorld(world, wholeCave(world));
        pixels = OrbGlState::readPixels(0, 0, world.width * kCell, world.height * kCell);
    });
    const int w = world.width * kCell;
    const int h = world.height;
    EXPECT_EQ(cellColour(pixels, w, h, 0, 0, kCell), FakeImages::colourOf(GvImage::steelWall, 0));
    EXPECT_EQ(cellColour(pixels, w, h, 1, 0, kCell), FakeImages::colourOf(GvImage::dirt, 0));
    EXPECT_EQ(cellColour(pixels, w, h, 2, 0, kCell), FakeImages::colourOf(GvImage::boulder, 0));
    EXPECT_EQ(cellColour(pixels, w, h, 3, 0, kCell), 0u);
    EXPECT_EQ(cellColour(pixels, w, h, 0, 1, kCell), 0u);
    EXPECT_EQ(cellColour(pixels, w, h, 1, 1, kCell), FakeImages::colourOf(GvImage::diamond, 0));
    EXPECT_EQ(cellColour(pixels, w, h, 2, 1, kCell), FakeImages::colourOf(GvImage::diamond, 0));
    EXPECT_EQ(cellColour(pixels, w, h, 3, 1, kCell), FakeImages::colourOf(GvImage::steelWall, 0));
    // One draw call per texture used: steel, dirt, boulder, explosion, diamond.
    EXPECT_EQ(calls, 5);
}

TEST_F(RenderFakes, VanishListsAreDrawnBeneathAndAboveTheGrid) {
    GvWorldRenderer renderer(fakes.images());
    GvWorld world;
    GvWorldText::parse(world, "WrW\n");
    // Dug dirt under a boulder stays hidden; a collected diamond over a steel
    // wall shows, although steel walls come last within a pass.
    world.addVanishing(std::make_unique<GvDirtObject>(), 1, 0, 0);
    world.addVanishing(std::make_unique<GvDiamondObject>(), 2, 0, 1);
    std::vector<unsigned char> pixels;
    int calls = 0;
    paint([&] {
        useCaveCanvas(world, kCell);
        calls = renderer.drawWorld(world, wholeCave(world));
        pixels = OrbGlState::readPixels(0, 0, world.width * kCell, world.height * kCell);
    });
    const int w = world.width * kCell;
    EXPECT_EQ(cellColour(pixels, w, 1, 0, 0, kCell), FakeImages::colourOf(GvImage::steelWall, 0));
    EXPECT_EQ(cellColour(pixels, w, 1, 1, 0, kCell), FakeImages::colourOf(GvImage::boulder, 0));
    EXPECT_EQ(cellColour(pixels, w, 1, 2, 0, kCell), FakeImages::colourOf(GvImage::diamond, 0));
    // Dirt, then boulder and steel (two quads in one texture), then the diamond.
    EXPECT_EQ(calls, 4);
}

TEST_F(RenderFakes, BrightnessDimsTheCaveAndItsFillerAlike) {
    GvWorldRenderer renderer(fakes.images());
    GvWorld world;
    GvWorldText::parse(world, "Wr\n");
    world.filler_type = static_cast<int>(GvPackedObjectType::dirt);
    // Four columns around the two-cell cave: one filler column on each side.
    auto drawAt = [&](float brightness) {
        std::vector<unsigned char> pixels;
        paint([&] {
            OrbProjection(0, 0, 4 * kCell, kCell, OrbRect{-2.0f, -0.5f, 4.0f, 1.0f}).apply();
            renderer.drawFiller(world, brightness, OrbRect{-1.0f, 0.0f, 4.0f, 1.0f}, 1.0f, 0.5f);
            GvWorldRenderer::View view = wholeCave(world);
            view.brightness = brightness;
            renderer.drawWorld(world, view);
            pixels = OrbGlState::readPixels(0, 0, 4 * kCell, kCell);
        });
        return pixels;
    };
    const auto bright = drawAt(1.0f);
    const auto dim = drawAt(0.5f);
    const int w = 4 * kCell;
    const unsigned filler = FakeImages::colourOf(GvImage::dirt, 0);
    const unsigned wall = FakeImages::colourOf(GvImage::steelWall, 0);
    const unsigned boulder = FakeImages::colourOf(GvImage::boulder, 0);
    // Left filler, steel wall, boulder, right filler.
    const unsigned expected[] = {filler, wall, boulder, filler};
    for (int column = 0; column < 4; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(cellColour(bright, w, 1, column, 0, kCell), expected[column]);
        const unsigned got = cellColour(dim, w, 1, column, 0, kCell);
        for (int shift : {16, 8, 0}) {
            const int full = int((expected[column] >> shift) & 0xffu);
            EXPECT_NEAR(int((got >> shift) & 0xffu), full / 2, 1) << "channel at bit " << shift;
        }
    }
}

// The real pictures, uploaded once for the tests below.
class RenderWithResources : public RenderWindow {
protected:
    void SetUp() override {
        RenderWindow::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        resources = std::make_unique<GvResources>();
        resources->setUpGraphics(impl.drawableWidth(), impl.drawableHeight());
    }
    void TearDown() override {
        if (resources) {
            resources->releaseGraphics();
        }
    }
    std::unique_ptr<GvResources> resources;
};

TEST_F(RenderWithResources, RunsDrawTheSamePixelsAsSingleCells) {
    GvWorld world;
    GvWorldText::parse(world, "wwwww\nWWWWW\n.....\naaaaa\n");
    const int cell = 24;
    std::vector<unsigned char> runs;
    std::vector<unsigned char> singles;
    GvWorldRenderer& renderer = resources->renderer();
    paint([&] {
        useCaveCanvas(world, cell);
        renderer.drawGrid(world, wholeCave(world));
        // Each row is one quad.
        EXPECT_EQ(resources->flushAll(), 4);
        runs = OrbGlState::readPixels(0, 0, world.width * cell, world.height * cell);
    });
    paint([&] {
        useCaveCanvas(world, cell);
        const GvWorldRenderer::View view = wholeCave(world);
        for (int row = 0; row < world.height; ++row) {
            for (int col = 0; col < world.width; ++col) {
                resources->drawObject(*world.cellAt(col, row), world, 1.0f,
                                      col + 0.5f - view.cameraX, view.cameraY - 0.5f - row, col,
                                      row);
            }
        }
        resources->flushAll();
        singles = OrbGlState::readPixels(0, 0, world.width * cell, world.height * cell);
    });
    ASSERT_EQ(runs.size(), singles.size());
    EXPECT_LE(largestDifference(runs, singles), 2);
    // And the picture is really there: walls and dirt are not black.
    EXPECT_NE(cellColour(runs, world.width * cell, world.height, 2, 0, cell), 0u);
    EXPECT_NE(cellColour(runs, world.width * cell, world.height, 2, 2, cell), 0u);
}

TEST_F(RenderWithResources, PreviewDrawsTheCaveLetterBoxedWithRowsFlipped) {
    // 16 x 4 cells: a steel wall in the top-left corner, dirt in the bottom-left.
    OrbMemoryStream stream(std::string("gravik 3\nvariants 1\nname \"Preview\"\n"
                                       "cave 16, 4\n{\n\tname \"A\"\n"
                                       "\trect_fill 0, 0, 15, 3, space\n"
                                       "\tset 0, 0, steel_wall\n\tset 0, 3, dirt\n}\n"));
    std::vector<std::string> messages;
    const auto pack = loadLevelPack(stream, &messages, false);
    ASSERT_TRUE(pack) << (messages.empty() ? "" : messages.front());
    auto target = GvResources::makePreviewTarget();
    target->acquire();
    if (!target->usable()) {
        target->release();
        GRAVIK_SKIP_WITHOUT("This GL has no render-to-texture");
    }
    bool drawn = false;
    paint([&] { drawn = resources->drawPreview(*pack, 0, 0, *target); });
    ASSERT_TRUE(drawn);
    const auto& pixels = target->pixels();
    auto alphaAt = [&](int x, int y) { return pixels[(std::size_t(y) * 512 + x) * 4 + 3]; };
    auto rgbOf = [&](int x, int y) {
        const std::size_t i = (std::size_t(y) * 512 + x) * 4;
        return (unsigned(pixels[i]) << 16) | (unsigned(pixels[i + 1]) << 8) | pixels[i + 2];
    };
    // A 4:1 cave in a 2:1 target fills the middle half of its height (pixel rows
    // 64 to 191, counted from the bottom), 32 pixels per cell.
    EXPECT_EQ(alphaAt(256, 20), 0);
    EXPECT_EQ(alphaAt(256, 236), 0);
    EXPECT_EQ(alphaAt(256, 128), 255); // empty cells: the black backing
    EXPECT_EQ(rgbOf(256, 128), 0u);
    // Row 0 is at the top, row 3 at the bottom.
    EXPECT_NE(rgbOf(16, 176), 0u);
    EXPECT_NE(rgbOf(16, 80), 0u);
    EXPECT_EQ(rgbOf(48, 176), 0u);
    EXPECT_NE(rgbOf(16, 176), rgbOf(16, 80));
    // The level that does not exist draws nothing and says so.
    paint([&] { drawn = resources->drawPreview(*pack, 3, 0, *target); });
    EXPECT_FALSE(drawn);

    // A placeholder fills the cave's area with its colour.
    paint([&] { resources->drawPlaceholder(*pack->cave(0), OrbColor{1, 0, 0, 1}, *target); });
    EXPECT_EQ(rgbOf(256, 128), 0xff0000u);
    EXPECT_EQ(alphaAt(256, 20), 0);
    target->release();
}

TEST_F(RenderWithResources, ProjectionsFollowTheWindowSize) {
    resources->resize(800, 600);
    EXPECT_EQ(resources->projection(OrbProjectionMenu).canvas().height, 140.0f / (800.0f / 600.0f));
    const OrbProjection& below = resources->projection(OrbProjectionGameBelowStatus);
    EXPECT_EQ(below.viewportHeight(), 600 - resources->statusLineHeight());
    EXPECT_LE(resources->statusLineHeight(), 60);
    // A window squashed to one pixel still has usable projections.
    resources->resize(0, 0);
    EXPECT_EQ(resources->clientWidth(), 1);
    EXPECT_GE(resources->projection(OrbProjectionGameBelowStatus).viewportHeight(), 1);
}

TEST_F(RenderWithResources, BackdropScrollsOnWithoutAJump) {
    // A full row of scrolling is the same picture as the next frame at rest.
    std::vector<unsigned char> endOfFrame;
    std::vector<unsigned char> nextFrame;
    paint([&] {
        resources->useProjection(OrbProjectionMenu);
        resources->drawBackdrop(77, 1.0f, 1.0f);
        endOfFrame = OrbGlState::readPixels(0, 0, impl.drawableWidth(), impl.drawableHeight());
    });
    paint([&] {
        resources->useProjection(OrbProjectionMenu);
        resources->drawBackdrop(78, 0.0f, 1.0f);
        nextFrame = OrbGlState::readPixels(0, 0, impl.drawableWidth(), impl.drawableHeight());
    });
    ASSERT_EQ(endOfFrame.size(), nextFrame.size());
    EXPECT_LE(largestDifference(endOfFrame, nextFrame), 2);
    // Another frame number is another picture.
    std::vector<unsigned char> other;
    paint([&] {
        resources->useProjection(OrbProjectionMenu);
        resources->drawBackdrop(5, 0.0f, 1.0f);
        other = OrbGlState::readPixels(0, 0, impl.drawableWidth(), impl.drawableHeight());
    });
    EXPECT_GT(largestDifference(other, nextFrame), 40);
}

TEST_F(RenderWithResources, BackdropShowsSomeBouldersAndDiamonds) {
    std::vector<unsigned char> pixels;
    paint([&] {
        resources->useProjection(OrbProjectionMenu);
        resources->drawBackdrop(1000, 0.5f, 1.0f);
        pixels = OrbGlState::readPixels(0, 0, impl.drawableWidth(), impl.drawableHeight());
    });
    const auto lit =
        std::count_if(pixels.begin(), pixels.end(), [](unsigned char c) { return c > 40; });
    // Objects in roughly 15% of the cells: something is drawn, far from all.
    EXPECT_GT(lit, 0);
    EXPECT_LT(static_cast<std::size_t>(lit), pixels.size() / 2);
}

// Separate textures of the art's frames, clamped and mipmapped, as sprites were
// drawn before they shared atlases.
std::unique_ptr<OrbTextureSet> separateFrames(GvArtSet set) {
    const GvArtFrames f = GvArt::frames(set);
    auto result = std::make_unique<OrbTextureSet>();
    for (const std::vector<unsigned char>& pixels :
         OrbPictureCodec::decodeFrames(f.frames, f.count, f.width, f.height, 4)) {
        result->add(std::make_unique<OrbTexture>(pixels.data(), OrbPixelRGBA, f.width, f.height));
    }
    return result;
}

TEST_F(RenderWithResources, SpritesFromAtlasesLookAsFromTexturesOfTheirOwn) {
    GvWorld world;
    // Boulder, diamond, butterfly, bomb, firefly, explosion, voodoo doll, player.
    GvWorldText::parse(world, "rd5b1*F@\n");
    std::vector<std::unique_ptr<OrbTextureSet>> sets;
    GvWorldRenderer::Images own;
    for (const auto& [image, set] : {std::pair{GvImage::bomb, GvArtSet::Bomb},
                                     {GvImage::boulder, GvArtSet::Boulder},
                                     {GvImage::diamond, GvArtSet::Diamond},
                                     {GvImage::firefly, GvArtSet::Firefly},
                                     {GvImage::butterfly, GvArtSet::Butterfly},
                                     {GvImage::player, GvArtSet::Player},
                                     {GvImage::explosion, GvArtSet::Explosion}}) {
        sets.push_back(separateFrames(set));
        sets.back()->acquire();
        own.sets[static_cast<std::size_t>(image)] = sets.back().get();
    }
    own.voodooDoll = &resources->voodooDoll();
    GvWorldRenderer separate(own);
    // Cells of 20 to 8 pixels use the mipmap levels down to the one where a
    // frame is eight pixels wide.
    for (const int cell : {20, 12, 8}) {
        SCOPED_TRACE(cell);
        std::vector<unsigned char> atlas;
        std::vector<unsigned char> single;
        for (auto [renderer, pixels] :
             {std::pair{&resources->renderer(), &atlas}, std::pair{&separate, &single}}) {
            paint([&] {
                useCaveCanvas(world, cell);
                EXPECT_GT(renderer->drawWorld(world, wholeCave(world)), 0);
                *pixels = OrbGlState::readPixels(0, 0, world.width * cell, cell);
            });
        }
        EXPECT_LE(largestDifference(atlas, single), 1);
        // Every cell shows its sprite.
        for (int col = 0; col < world.width; ++col) {
            EXPECT_NE(cellColour(atlas, world.width * cell, 1, col, 0, cell), 0u) << col;
        }
    }
    for (auto& set : sets) {
        set->release();
    }
}
