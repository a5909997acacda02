#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbRenderToTexture.h"
#include "graphics/OrbTexture.h"
#include "graphics/OrbTextureAtlas.h"
#include "graphics/OrbTextureException.h"
#include "graphics/OrbTextureSet.h"

#include "GlTestWindow.h"

#include <GL/glu.h>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <zlib.h>

namespace {

std::vector<unsigned char> compress(const std::vector<unsigned char>& data) {
    uLongf length = compressBound(static_cast<uLong>(data.size()));
    std::vector<unsigned char> out(length);
    EXPECT_EQ(::compress(out.data(), &length, data.data(), static_cast<uLong>(data.size())), Z_OK);
    out.resize(length);
    return out;
}

std::vector<unsigned char> ramp(std::size_t n) {
    std::vector<unsigned char> v(n);
    std::iota(v.begin(), v.end(), static_cast<unsigned char>(0));
    return v;
}

OrbPoint vertexPosition(const OrbTexture& t, int vertex) {
    const auto& v = t.batchedVertices();
    const std::size_t at = static_cast<std::size_t>(vertex) * OrbTexture::kFloatsPerVertex +
                           OrbTexture::kPositionOffset;
    return OrbPoint{v[at], v[at + 1]};
}

OrbPoint vertexUv(const OrbTexture& t, int vertex) {
    const auto& v = t.batchedVertices();
    const std::size_t at = static_cast<std::size_t>(vertex) * OrbTexture::kFloatsPerVertex;
    return OrbPoint{v[at], v[at + 1]};
}

TEST(OrbTextureImage, EmbeddedImageInflatesToItsPixels) {
    const std::vector<unsigned char> pixels = ramp(4 * 3 * 2);
    const std::vector<unsigned char> packed = compress(pixels);
    const OrbTexture t(packed.size(), packed.data(), OrbPixelLuminanceAlpha, 4, 3);
    EXPECT_EQ(t.pixels(), pixels);
    EXPECT_EQ(t.useCount(), 0);
    EXPECT_EQ(t.glName(), 0u);
}

TEST(OrbTextureImage, DamagedOrMisSizedImagesAreCorruptData) {
    const std::vector<unsigned char> pixels = ramp(64);
    std::vector<unsigned char> packed = compress(pixels);
    // Inflates to more than fits: the stream needs more room than the image has.
    EXPECT_THROW(OrbTexture(packed.size(), packed.data(), OrbPixelAlpha, 7, 9),
                 OrbCorruptDataTextureException);
    // Inflates to less than the image.
    EXPECT_THROW(OrbTexture(packed.size(), packed.data(), OrbPixelAlpha, 5, 13),
                 OrbCorruptDataTextureException);
    // Cut short.
    EXPECT_THROW(OrbTexture(packed.size() - 3, packed.data(), OrbPixelAlpha, 8, 8),
                 OrbCorruptDataTextureException);
    // A flipped bit in the middle is caught by the stream's checksum or structure.
    std::vector<unsigned char> damaged = packed;
    damaged[damaged.size() / 2] ^= 0x10;
    EXPECT_THROW(OrbTexture(damaged.size(), damaged.data(), OrbPixelAlpha, 8, 8),
                 OrbCorruptDataTextureException);
    const std::vector<unsigned char> garbage(40, 0xab);
    EXPECT_THROW(OrbTexture(garbage.size(), garbage.data(), OrbPixelAlpha, 8, 8),
                 OrbCorruptDataTextureException);
    // Catchable as any texture failure, too.
    EXPECT_THROW(OrbTexture(0, packed.data(), OrbPixelAlpha, 8, 8), OrbTextureException);
}

TEST(OrbTextureImage, SubRectangleIsCopiedRowByRow) {
    // A 5 x 4 RGB image whose every byte is its own index.
    const std::vector<unsigned char> source = ramp(5 * 4 * 3);
    const OrbTexture t(source.data(), OrbPixelRGB, 5, 1, 2, 3, 2, OrbWrapRepeat, OrbWrapRepeat,
                       OrbFilterNearest, OrbFilterNearest, false);
    ASSERT_EQ(t.pixels().size(), 18u);
    EXPECT_EQ(t.pixels()[0], (2 * 5 + 1) * 3);
    EXPECT_EQ(t.pixels()[8], (2 * 5 + 3) * 3 + 2);
    EXPECT_EQ(t.pixels()[9], (3 * 5 + 1) * 3);
    // A rectangle running past the rows of the source is refused rather than read
    // from the next row.
    EXPECT_THROW(OrbTexture(source.data(), OrbPixelRGB, 5, 3, 0, 3, 1, OrbWrapRepeat, OrbWrapRepeat,
                            OrbFilterNearest, OrbFilterNearest, false),
                 OrbTextureException);
}

TEST(OrbTextureImage, BlankTextureIsZeroAndSolidFillConvertsChannels) {
    OrbTexture blank(OrbPixelRGBA, 3, 2);
    EXPECT_EQ(blank.pixels(), std::vector<unsigned char>(24, 0));
    EXPECT_THROW(OrbTexture(OrbPixelRGBA, 0, 2), OrbTextureException);

    blank.fillSolid(OrbColor{1.0f, 0.5f, -0.25f, 2.0f});
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(blank.pixels()[i * 4 + 0], 255);
        EXPECT_EQ(blank.pixels()[i * 4 + 1], 127); // floor(0.5 x 255.999)
        EXPECT_EQ(blank.pixels()[i * 4 + 2], 0);
        EXPECT_EQ(blank.pixels()[i * 4 + 3], 255);
    }
    OrbTexture alpha(OrbPixelAlpha, 2, 2);
    alpha.fillSolid(OrbColor{0.0f, 0.0f, 0.0f, 0.25f});
    EXPECT_EQ(alpha.pixels(), std::vector<unsigned char>(4, 63));
}

TEST(OrbTextureBatch, QuadCornersAndTextureCoordinates) {
    OrbTexture t(OrbPixelAlpha, 1, 1);
    t.addQuad(OrbRect{1, 2, 3, 4}, OrbColor{0.1f, 0.2f, 0.3f, 0.4f});
    ASSERT_EQ(t.batchedIndexCount(), 4);
    ASSERT_EQ(t.batchedVertices().size(), 4u * OrbTexture::kFloatsPerVertex);
    EXPECT_EQ(vertexPosition(t, 0), (OrbPoint{1, 2}));
    EXPECT_EQ(vertexPosition(t, 1), (OrbPoint{1, 6}));
    EXPECT_EQ(vertexPosition(t, 2), (OrbPoint{4, 6}));
    EXPECT_EQ(vertexPosition(t, 3), (OrbPoint{4, 2}));
    EXPECT_EQ(vertexUv(t, 1), (OrbPoint{0, 1}));
    EXPECT_EQ(vertexUv(t, 2), (OrbPoint{1, 1}));
    const auto& v = t.batchedVertices();
    EXPECT_FLOAT_EQ(v[OrbTexture::kColourOffset], 0.1f);
    EXPECT_FLOAT_EQ(v[OrbTexture::kColourOffset + 3], 0.4f);

    t.addQuad(OrbRect{0, 0, 1, 1}, OrbPoint{3, 2}, OrbColor{});
    EXPECT_EQ(vertexUv(t, 6), (OrbPoint{3, 2}));
    t.addQuad(OrbRect{0, 0, 1, 1}, OrbRect{0.25f, 0.5f, 0.5f, 0.25f}, OrbColor{});
    EXPECT_EQ(vertexUv(t, 8), (OrbPoint{0.25f, 0.5f}));
    EXPECT_EQ(vertexUv(t, 10), (OrbPoint{0.75f, 0.75f}));
    t.addQuad({OrbPoint{0, 0}, OrbPoint{1, 5}, OrbPoint{2, 5}, OrbPoint{9, 0}}, OrbPoint{2, 3},
              OrbColor{});
    EXPECT_EQ(vertexPosition(t, 15), (OrbPoint{9, 0}));
    EXPECT_EQ(vertexUv(t, 15), (OrbPoint{2, 0}));
    EXPECT_EQ(t.batchedIndexCount(), 16);
}

TEST(OrbTextureBatch, RotationTurnsCornersAboutTheCentre) {
    OrbTexture t(OrbPixelAlpha, 1, 1);
    t.addQuad(OrbRect{0, 0, 4, 2}, OrbColor{}, 90.0f);
    float cx = 0;
    float cy = 0;
    for (int i = 0; i < 4; ++i) {
        cx += vertexPosition(t, i).x / 4;
        cy += vertexPosition(t, i).y / 4;
    }
    EXPECT_NEAR(cx, 2.0f, 1e-5f);
    EXPECT_NEAR(cy, 1.0f, 1e-5f);
    // Counter-clockwise: the bottom-left corner goes to the bottom-right.
    EXPECT_NEAR(vertexPosition(t, 0).x, 3.0f, 1e-5f);
    EXPECT_NEAR(vertexPosition(t, 0).y, -1.0f, 1e-5f);
    EXPECT_NEAR(vertexPosition(t, 2).x, 1.0f, 1e-5f);
    EXPECT_NEAR(vertexPosition(t, 2).y, 3.0f, 1e-5f);
    // Texture coordinates stay with their corners.
    EXPECT_EQ(vertexUv(t, 0), (OrbPoint{0, 0}));
}

TEST(OrbTextureSet, FramesAreIndexedInOrder) {
    OrbTextureSet set;
    EXPECT_EQ(set.add(std::make_unique<OrbTexture>(OrbPixelAlpha, 1, 1)), 0);
    EXPECT_EQ(set.add(std::make_unique<OrbTexture>(OrbPixelRGB, 2, 1)), 1);
    EXPECT_EQ(set.size(), 2);
    EXPECT_EQ(set[1].width(), 2);
}

TEST(OrbTextureAtlas, FramesGetCellsApartOnAPowerOfTwoTexture) {
    for (const int count : {1, 24, 170}) {
        SCOPED_TRACE(count);
        OrbTextureAtlas atlas(OrbPixelAlpha, 32, 16, count);
        const int w = atlas.width();
        const int h = atlas.height();
        EXPECT_EQ(w & (w - 1), 0);
        EXPECT_EQ(h & (h - 1), 0);
        std::vector<unsigned char> frame(32 * 16);
        for (int i = 0; i < count; ++i) {
            std::fill(frame.begin(), frame.end(), static_cast<unsigned char>(i % 250 + 1));
            atlas.setFrame(i, frame.data());
        }
        // Each frame's pixels sit where its rectangle says, inside the texture,
        // starting on a multiple of the gutter; all other pixels stay clear.
        std::vector<int> owner(static_cast<std::size_t>(w) * h, -1);
        for (int i = 0; i < count; ++i) {
            const OrbRect r = atlas.frameRect(i);
            const int x0 = static_cast<int>(r.x * w);
            const int y0 = static_cast<int>(r.y * h);
            ASSERT_EQ(x0 % OrbTextureAtlas::kGutter, 0);
            ASSERT_EQ(y0 % OrbTextureAtlas::kGutter, 0);
            ASSERT_EQ(r.width * w, 32.0f);
            ASSERT_LE(x0 + 32 + OrbTextureAtlas::kGutter, w);
            ASSERT_LE(y0 + 16, h);
            for (int y = y0; y < y0 + 16; ++y) {
                for (int x = x0; x < x0 + 32; ++x) {
                    owner[static_cast<std::size_t>(y) * w + x] = i;
                }
            }
        }
        for (std::size_t p = 0; p < owner.size(); ++p) {
            const int expected = owner[p] < 0 ? 0 : owner[p] % 250 + 1;
            ASSERT_EQ(atlas.pixels()[p], expected) << "pixel " << p;
        }
        // A rectangle within a frame maps into that frame, mirroring kept.
        const OrbRect f = atlas.frameRect(count - 1);
        const OrbRect m = atlas.mapToFrame(count - 1, OrbRect{1, 0.5f, -1, 0.5f});
        EXPECT_FLOAT_EQ(m.x, f.x + f.width);
        EXPECT_FLOAT_EQ(m.y, f.y + f.height / 2);
        EXPECT_FLOAT_EQ(m.width, -f.width);
    }
    EXPECT_THROW(OrbTextureAtlas(OrbPixelRGBA, 20, 16, 4), OrbTextureException);
    EXPECT_THROW(OrbTextureAtlas(OrbPixelRGBA, 16, 16, 0), OrbTextureException);
}

// Texture tests that need a GL context, in a small window.
class OrbTextureGl : public ::testing::Test {
protected:
    void SetUp() override {
        GRAVIK_REQUIRE_DISPLAY();
        ASSERT_TRUE(impl.open());
        width = impl.drawableWidth();
        height = impl.drawableHeight();
    }
    // A black frame with one unit a pixel, for tests that draw quads by position.
    void startPixelFrame() const {
        setUpDrawingState();
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, width, 0, height, 0, 1);
        glMatrixMode(GL_MODELVIEW);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    OrbViewImplSingle impl{"texture test", 96, 64, OrbWindowNormal};
    GlTestView view{impl};
    int width = 0;
    int height = 0;
};

TEST_F(OrbTextureGl, AcquiringCountsOwners) {
    const std::vector<unsigned char> pixels(16 * 16 * 4, 200);
    OrbTexture t(pixels.data(), OrbPixelRGBA, 16, 16);
    t.acquire();
    const unsigned name = t.glName();
    ASSERT_NE(name, 0u);
    EXPECT_TRUE(t.isUploaded());
    EXPECT_TRUE(glIsTexture(name));
    t.acquire();
    EXPECT_EQ(t.glName(), name);
    t.release();
    EXPECT_EQ(t.useCount(), 1);
    EXPECT_TRUE(glIsTexture(name));
    t.release();
    EXPECT_EQ(t.glName(), 0u);
    EXPECT_FALSE(glIsTexture(name));
    t.release();
    EXPECT_EQ(t.useCount(), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(OrbTextureGl, FlushWithNothingBatchedBindsAndDrawsNothing) {
    OrbTexture empty(OrbPixelAlpha, 4, 4);
    OrbTexture other(OrbPixelAlpha, 4, 4);
    empty.acquire();
    other.acquire();
    other.bind();
    std::vector<unsigned char> before;
    std::vector<unsigned char> after;
    GLint bound = 0;
    view.onDraw = [&] {
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        before = readPixels(width, height);
        empty.flush();
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        after = readPixels(width, height);
    };
    impl.paintNow();
    EXPECT_EQ(bound, static_cast<GLint>(other.glName()));
    EXPECT_EQ(before, after);
    empty.release();
    other.release();
}

TEST_F(OrbTextureGl, FlushDrawsTheBatchAndEmptiesIt) {
    OrbTexture solid(OrbPixelAlpha, 1, 1, OrbWrapRepeat, OrbWrapRepeat, OrbFilterNearest,
                     OrbFilterNearestMipmapNearest, true);
    solid.fillSolid(OrbColor{1, 1, 1, 1});
    solid.acquire();
    std::vector<unsigned char> pixels;
    view.onDraw = [&] {
        startPixelFrame();
        solid.addQuad(OrbRect{0, 0, 10, 10}, OrbColor{1, 0, 0, 1});
        solid.addQuad(OrbRect{20, 20, 10, 10}, OrbColor{0, 1, 0, 1});
        solid.flush();
        pixels = readPixels(width, height);
    };
    impl.paintNow();
    EXPECT_EQ(solid.batchedIndexCount(), 0);
    EXPECT_EQ(rgbAt(pixels, width, 5, 5), 0xff0000u);
    EXPECT_EQ(rgbAt(pixels, width, 25, 25), 0x00ff00u);
    EXPECT_EQ(rgbAt(pixels, width, 15, 15), 0x000000u);
    solid.release();
}

TEST_F(OrbTextureGl, LaterLayersCoverEarlierOnesWhateverTheOrderOfAdding) {
    OrbTexture solid(OrbPixelAlpha, 1, 1, OrbWrapRepeat, OrbWrapRepeat, OrbFilterNearest,
                     OrbFilterNearestMipmapNearest, true);
    solid.fillSolid(OrbColor{1, 1, 1, 1});
    solid.acquire();
    solid.setLayerCount(2);
    std::vector<unsigned char> pixels;
    view.onDraw = [&] {
        startPixelFrame();
        solid.useLayer(1);
        solid.addQuad(OrbRect{0, 0, 20, 20}, OrbColor{1, 0, 0, 1});
        solid.useLayer(0);
        solid.addQuad(OrbRect{10, 10, 20, 20}, OrbColor{0, 1, 0, 1});
        EXPECT_EQ(solid.batchedIndexCount(), 8);
        solid.flush();
        pixels = readPixels(width, height);
    };
    impl.paintNow();
    EXPECT_EQ(solid.batchedIndexCount(), 0);
    EXPECT_EQ(rgbAt(pixels, width, 15, 15), 0xff0000u); // layer 1 on top
    EXPECT_EQ(rgbAt(pixels, width, 25, 25), 0x00ff00u);
    EXPECT_EQ(rgbAt(pixels, width, 5, 5), 0xff0000u);
    solid.release();
}

// Every mipmap level of the bound texture, read back.
static std::vector<std::vector<unsigned char>> levelsOf(unsigned name, GLenum format, int bpp) {
    std::vector<std::vector<unsigned char>> levels;
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int level = 0;; ++level) {
        GLint w = 0;
        GLint h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
        if (w == 0 || h == 0) {
            return levels;
        }
        levels.emplace_back(static_cast<std::size_t>(w) * h * bpp);
        glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, levels.back().data());
    }
}

TEST_F(OrbTextureGl, MipmapsAreThoseOfTheGluBuilder) {
    struct Case {
        int format;
        GLenum gl;
        int width, height;
    };
    for (const Case& c :
         {Case{OrbPixelRGBA, GL_RGBA, 16, 16}, Case{OrbPixelRGBA, GL_RGBA, 32, 4},
          Case{OrbPixelLuminanceAlpha, GL_LUMINANCE_ALPHA, 2, 16},
          Case{OrbPixelAlpha, GL_ALPHA, 8, 1}, Case{OrbPixelRGBA, GL_RGBA, 12, 4}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const int bpp = OrbTexture::bytesPerPixel(c.format);
        std::vector<unsigned char> pixels(static_cast<std::size_t>(c.width) * c.height * bpp);
        std::uint32_t seed = 12345;
        for (unsigned char& p : pixels) {
            seed = seed * 69069u + 41u;
            p = static_cast<unsigned char>(seed >> 24);
        }
        OrbTexture ours(pixels.data(), c.format, c.width, c.height);
        ours.acquire();
        GLuint glu = 0;
        glGenTextures(1, &glu);
        glBindTexture(GL_TEXTURE_2D, glu);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(c.gl), c.width, c.height, c.gl,
                          GL_UNSIGNED_BYTE, pixels.data());
        const auto expected = levelsOf(glu, c.gl, bpp);
        EXPECT_GT(expected.size(), 2u);
        EXPECT_EQ(levelsOf(ours.glName(), c.gl, bpp), expected);
        glDeleteTextures(1, &glu);
        ours.release();
    }
}

TEST_F(OrbTextureGl, RenderTargetReadsItsDrawingBack) {
    OrbRenderToTexture target(OrbPixelRGBA, 32, 16);
    OrbTexture solid(OrbPixelAlpha, 1, 1, OrbWrapRepeat, OrbWrapRepeat, OrbFilterNearest,
                     OrbFilterNearest, false);
    solid.fillSolid(OrbColor{1, 1, 1, 1});
    target.acquire();
    solid.acquire();
    if (!target.usable()) {
        GRAVIK_SKIP_WITHOUT("This GL has no framebuffer-object extension");
    }
    EXPECT_TRUE(target.isUploaded());
    setUpDrawingState();
    ASSERT_TRUE(target.beginRendering());
    glViewport(0, 0, 32, 16);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 32, 0, 16, 0, 1);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    solid.addQuad(OrbRect{0, 0, 16, 8}, OrbColor{1, 0, 0, 1});
    solid.flush();
    target.endRendering();
    EXPECT_FALSE(target.isRendering());

    const auto& p = target.pixels();
    const auto at = [&](int x, int y) {
        const std::size_t i = (static_cast<std::size_t>(y) * 32 + x) * 4;
        return (unsigned(p[i]) << 16) | (unsigned(p[i + 1]) << 8) | p[i + 2];
    };
    EXPECT_EQ(at(2, 2), 0xff0000u);
    EXPECT_EQ(at(15, 7), 0xff0000u);
    EXPECT_EQ(at(16, 7), 0x0000ffu);
    EXPECT_EQ(at(30, 14), 0x0000ffu);
    // Drawing goes to the window again.
    GLint framebuffer = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &framebuffer);
    EXPECT_EQ(framebuffer, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    target.release();
    EXPECT_FALSE(target.usable());
    EXPECT_FALSE(target.beginRendering());
    solid.release();
}

TEST_F(OrbTextureGl, SolidPixelsReachTheScreenOfATargetThatCannotRender) {
    // Before its framebuffer exists a render target is like one without the
    // extension: its pixels must still be shown.
    OrbRenderToTexture target(OrbPixelRGBA, 8, 8, OrbWrapClamp, OrbWrapClamp, OrbFilterNearest,
                              OrbFilterNearest, false);
    target.OrbTexture::acquire();
    ASSERT_FALSE(target.usable());
    target.fillSolid(OrbColor{0, 1, 1, 1});
    std::vector<unsigned char> pixels;
    view.onDraw = [&] {
        setUpDrawingState();
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, 0, 1);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        target.addQuad(OrbRect{0, 0, 1, 1}, OrbColor{1, 1, 1, 1});
        target.flush();
        pixels = readPixels(width, height);
    };
    impl.paintNow();
    EXPECT_EQ(rgbAt(pixels, width, width / 2, height / 2), 0x00ffffu);
    target.OrbTexture::release();
}

} // namespace
