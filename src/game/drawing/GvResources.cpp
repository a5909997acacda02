#include "game/drawing/GvResources.h"

#include "art/GvArt.h"
#include "graphics/GvFont.h"
#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbRenderToTexture.h"
#include "graphics/OrbTexture.h"
#include "graphics/OrbTextureAtlas.h"
#include "graphics/OrbTextureSet.h"
#include "levelpack/GvCaveDef.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvWorld.h"
#include "ui/GvUiColours.h"

#include <algorithm>
#include <cmath>

namespace {

// Backdrop cells, in menu canvas units.
constexpr float kBackdropCell = 14.0f;
// Share of backdrop cells that show a boulder or a diamond.
constexpr double kBackdropDensity = 0.15;

int pixelFormat(GvArtFormat format) {
    switch (format) {
    case GvArtFormat::Rgb:
        return OrbPixelRGB;
    case GvArtFormat::Rgba:
        return OrbPixelRGBA;
    case GvArtFormat::LuminanceAlpha:
        return OrbPixelLuminanceAlpha;
    case GvArtFormat::Alpha:
        break;
    }
    return OrbPixelAlpha;
}

std::unique_ptr<OrbTexture> picture(GvArtImage image, int wrapS, int wrapT) {
    const GvArtPicture& p = GvArt::image(image);
    return std::make_unique<OrbTexture>(p.data.compressedSize, p.data.bytes, pixelFormat(p.format),
                                        p.width, p.height, wrapS, wrapT, OrbFilterLinear,
                                        OrbFilterLinearMipmapLinear, true);
}

std::unique_ptr<OrbTextureSet> frames(GvArtSet set, int wrap) {
    const GvArtFrames f = GvArt::frames(set);
    auto result = std::make_unique<OrbTextureSet>();
    for (int i = 0; i < f.count; ++i) {
        const OrbEmbeddedData& d = f.frames[i];
        result->add(std::make_unique<OrbTexture>(d.compressedSize, d.bytes, pixelFormat(f.format),
                                                 f.width, f.height, wrap, wrap, OrbFilterLinear,
                                                 OrbFilterLinearMipmapLinear, true));
    }
    return result;
}

// The images whose frames share the sprite atlas, in compositing order; the
// atlas holds their frames one image after the other. Dirt comes between the
// explosion and the bomb, so the explosion's layer is drawn in a call of its own.
constexpr GvImage kSpriteImages[] = {GvImage::explosion,  GvImage::bomb,    GvImage::boulder,
                                     GvImage::diamond,    GvImage::firefly, GvImage::butterfly,
                                     GvImage::voodooDoll, GvImage::player};

GvArtSet artSetOf(GvImage image) {
    switch (image) {
    case GvImage::explosion:
        return GvArtSet::Explosion;
    case GvImage::bomb:
        return GvArtSet::Bomb;
    case GvImage::boulder:
        return GvArtSet::Boulder;
    case GvImage::diamond:
        return GvArtSet::Diamond;
    case GvImage::firefly:
        return GvArtSet::Firefly;
    case GvImage::butterfly:
        return GvArtSet::Butterfly;
    default:
        return GvArtSet::Player;
    }
}

// The frames of a set, inflated one by one into the atlas from `first` on.
void framesInto(GvArtSet set, OrbTextureAtlas& atlas, int first) {
    const GvArtFrames f = GvArt::frames(set);
    if (pixelFormat(f.format) != atlas.format() || f.width != atlas.frameWidth() ||
        f.height != atlas.frameHeight()) {
        throw OrbCorruptDataTextureException();
    }
    const std::size_t size = static_cast<std::size_t>(f.width) *
                             static_cast<std::size_t>(f.height) *
                             static_cast<std::size_t>(GvArt::bytesPerPixel(f.format));
    for (int i = 0; i < f.count; ++i) {
        const OrbEmbeddedData& d = f.frames[i];
        atlas.setFrame(first + i, OrbTexture::inflate(d.bytes, d.compressedSize, size).data());
    }
}

// The cave's size as shown: its visible rectangle when it has one.
std::pair<int, int> shownSize(const GvCaveDef& cave) {
    if (cave.has_visible_area && cave.visible_width > 0 && cave.visible_height > 0) {
        return {cave.visible_width, cave.visible_height};
    }
    return {std::max(cave.width, 1), std::max(cave.height, 1)};
}

} // namespace

GvResources::GvResources() {
    GvWorldRenderer::Images images;
    int spriteFrames = 0;
    for (const GvImage image : kSpriteImages) {
        const int count = image == GvImage::voodooDoll ? 1 : GvArt::frames(artSetOf(image)).count;
        images.sheets[static_cast<std::size_t>(image)] =
            GvWorldRenderer::Sheet{nullptr, spriteFrames, count, 0};
        spriteFrames += count;
    }
    sprites_ = std::make_unique<OrbTextureAtlas>(OrbPixelRGBA, 128, 128, spriteFrames);
    auto spritesFrom = [&](GvImage image) {
        framesInto(artSetOf(image), *sprites_,
                   images.sheets[static_cast<std::size_t>(image)].first);
    };

    // Built in this order so that a damaged picture is met at the same point on
    // every start.
    font_ = std::make_unique<GvFont>(GvArt::image(GvArtImage::Font).data);
    divider_ = picture(GvArtImage::Divider, OrbWrapRepeat, OrbWrapClampToEdge);
    static const unsigned char kOpaque = 255;
    solid_ =
        std::make_unique<OrbTexture>(&kOpaque, OrbPixelAlpha, 1, 1, OrbWrapRepeat, OrbWrapRepeat,
                                     OrbFilterNearest, OrbFilterNearestMipmapNearest, true);
    logo_ = picture(GvArtImage::Logo, OrbWrapClamp, OrbWrapClamp);
    amoeba_ = frames(GvArtSet::Amoeba, OrbWrapRepeat);
    spritesFrom(GvImage::bomb);
    spritesFrom(GvImage::boulder);
    spritesFrom(GvImage::butterfly);
    buttons_ = frames(GvArtSet::Button, OrbWrapClamp);
    brickWall_ = frames(GvArtSet::BrickWall, OrbWrapRepeat);
    spritesFrom(GvImage::diamond);
    dirt_ = frames(GvArtSet::Dirt, OrbWrapRepeat);
    spritesFrom(GvImage::explosion);
    spritesFrom(GvImage::firefly);
    panelEdge_ = picture(GvArtImage::PanelEdge, OrbWrapClamp, OrbWrapClamp);
    spritesFrom(GvImage::player);
    ramp_ = picture(GvArtImage::Ramp, OrbWrapClamp, OrbWrapClamp);
    scroller_ = picture(GvArtImage::Scroller, OrbWrapClampToEdge, OrbWrapClampToEdge);
    slime_ = frames(GvArtSet::Slime, OrbWrapRepeat);
    sparkle_ = picture(GvArtImage::Sparkle, OrbWrapClamp, OrbWrapClamp);
    squareEdge_ = picture(GvArtImage::SquareEdge, OrbWrapClampToEdge, OrbWrapClampToEdge);
    steelWall_ = frames(GvArtSet::SteelWall, OrbWrapRepeat);
    voodooDoll_ = picture(GvArtImage::VoodooDoll, OrbWrapClamp, OrbWrapClamp);
    if (voodooDoll_->format() != OrbPixelRGBA || voodooDoll_->width() != 128 ||
        voodooDoll_->height() != 128) {
        throw OrbCorruptDataTextureException();
    }
    sprites_->setFrame(images.sheets[static_cast<std::size_t>(GvImage::voodooDoll)].first,
                       voodooDoll_->pixels().data());

    for (int i = 0; i < kImageCount; ++i) {
        images.sets[static_cast<std::size_t>(i)] = imageSet(static_cast<GvImage>(i));
    }
    // Each sprite image gets a layer of its own, rising in compositing order.
    int layer = 0;
    for (const GvImage image : kSpriteImages) {
        GvWorldRenderer::Sheet& sheet = images.sheets[static_cast<std::size_t>(image)];
        sheet.atlas = sprites_.get();
        sheet.layer = layer++;
    }
    images.voodooDoll = voodooDoll_.get();
    images.sparkle = sparkle_.get();
    renderer_ = std::make_unique<GvWorldRenderer>(images);

    ui_.font = font_.get();
    ui_.button = &(*buttons_)[0];
    ui_.buttonPressed = &(*buttons_)[buttons_->size() > 1 ? 1 : 0];
    ui_.solid = solid_.get();
    ui_.panelEdge = panelEdge_.get();
    ui_.scroller = scroller_.get();
    ui_.ramp = ramp_.get();
    ui_.squareEdge = squareEdge_.get();
    ui_.divider = divider_.get();
    resize(1, 1);
}

GvResources::~GvResources() = default;

OrbTextureSet* GvResources::imageSet(GvImage image) const {
    switch (image) {
    case GvImage::dirt:
        return dirt_.get();
    case GvImage::amoeba:
        return amoeba_.get();
    case GvImage::slime:
        return slime_.get();
    case GvImage::brickWall:
        return brickWall_.get();
    case GvImage::steelWall:
        return steelWall_.get();
    default:
        return nullptr;
    }
}

int GvResources::frameCount(GvImage image) const {
    const int i = static_cast<int>(image);
    return i >= 0 && i < kImageCount ? renderer_->counts()[static_cast<std::size_t>(i)] : 0;
}

OrbColor GvResources::makeColour(float r, float g, float b, float a) {
    return GvUiColours::make(r, g, b, a);
}

void GvResources::setUpGraphics(int width, int height) {
    OrbGlState::setUpDrawing();
    font_->acquire();
    divider_->acquire();
    solid_->acquire();
    logo_->acquire();
    amoeba_->acquire();
    sprites_->acquire();
    buttons_->acquire();
    brickWall_->acquire();
    dirt_->acquire();
    panelEdge_->acquire();
    ramp_->acquire();
    scroller_->acquire();
    slime_->acquire();
    sparkle_->acquire();
    squareEdge_->acquire();
    steelWall_->acquire();
    voodooDoll_->acquire();
    hasGraphics_ = true;
    resize(width, height);
}

void GvResources::releaseGraphics() {
    hasGraphics_ = false;
    font_->release();
    divider_->release();
    solid_->release();
    logo_->release();
    amoeba_->release();
    sprites_->release();
    buttons_->release();
    brickWall_->release();
    dirt_->release();
    panelEdge_->release();
    ramp_->release();
    scroller_->release();
    slime_->release();
    sparkle_->release();
    squareEdge_->release();
    steelWall_->release();
    voodooDoll_->release();
}

void GvResources::resize(int width, int height) {
    clientWidth_ = std::max(width, 1);
    clientHeight_ = std::max(height, 1);
    statusLineHeight_ = OrbProjection::statusLineHeight(clientWidth_, clientHeight_,
                                                        OrbProjection::statusSampleWidth(*font_));
    for (int n = 0; n < OrbProjectionCount; ++n) {
        projections_[static_cast<std::size_t>(n)] =
            OrbProjection::make(n, clientWidth_, clientHeight_, statusLineHeight_);
    }
    if (hasGraphics_) {
        useProjection(projectionInUse_);
    }
}

const OrbProjection& GvResources::projection(int n) const {
    return projections_[static_cast<std::size_t>(std::clamp(n, 0, OrbProjectionCount - 1))];
}

void GvResources::useProjection(int n) {
    projectionInUse_ = std::clamp(n, 0, OrbProjectionCount - 1);
    projection(projectionInUse_).apply();
    OrbGlState::setModelScale(1.0f, 1.0f);
}

void GvResources::useScaledProjection(int n, float sx, float sy) {
    useProjection(n);
    OrbGlState::setModelScale(sx, sy);
}

void GvResources::drawObject(const GvObject& object, const GvWorld& world, float brightness,
                             float x, float y, int gridCol, int gridRow) {
    renderer_->drawObject(object, world, brightness, x, y, gridCol, gridRow);
}

void GvResources::drawRun(const GvWorld& world, const GvObject& object, int count, float brightness,
                          float x, float y, int gridCol, int gridRow) {
    renderer_->drawRun(world, object, count, brightness, x, y, gridCol, gridRow);
}

void GvResources::drawFiller(const GvWorld& world, float brightness, const OrbRect& visible,
                             float cameraX, float cameraY) {
    renderer_->drawFiller(world, brightness, visible, cameraX, cameraY);
}

int GvResources::flushAll() {
    return renderer_->flushAll();
}

void GvResources::drawBackdrop(int frame, float phase, float brightness) {
    const OrbRect canvas = projection(OrbProjectionMenu).canvas();
    const float top = canvas.y + canvas.height;
    const float bottom = canvas.y;
    const float left = canvas.x;
    const OrbColor colour{brightness, brightness, brightness, 1.0f};
    const int boulders = frameCount(GvImage::boulder);
    const int diamonds = frameCount(GvImage::diamond);
    // Row j (0 = the row at the top edge) carries the number frame - j; one row
    // above it is half scrolled in.
    for (int j = -1;; ++j) {
        const float cy = top - kBackdropCell / 2.0f - kBackdropCell * static_cast<float>(j) -
                         phase * kBackdropCell;
        if (cy + kBackdropCell / 2.0f < bottom) {
            break;
        }
        GvGamePlayRandomStream random(static_cast<std::uint32_t>(frame - j));
        for (int i = 0; i < 4; ++i) {
            random.next();
        }
        for (int k = 0;; ++k) {
            // 0, +1, -1, +2, -2, ... cells from the centre.
            const int step = (k + 1) / 2;
            const float cx = (k % 2 == 1 ? 1.0f : -1.0f) * kBackdropCell * static_cast<float>(step);
            if (cx + kBackdropCell / 2.0f < left) {
                break;
            }
            const std::uint32_t u = random.next();
            if (static_cast<double>(u & 0x7fffffffu) / 2147483647.0 >= kBackdropDensity) {
                continue;
            }
            const float angle = static_cast<float>(u % 32u) * 360.0f / 32.0f;
            const OrbRect quad{cx - kBackdropCell / 2.0f, cy - kBackdropCell / 2.0f, kBackdropCell,
                               kBackdropCell};
            if ((u & 1u) != 0) {
                if (diamonds > 0) {
                    const auto t = GvFrameChoice::diamond(angle, diamonds);
                    renderer_->drawFrame(GvImage::diamond, t.frame, quad, colour, t.rotation);
                }
            } else if (boulders > 0) {
                const auto t = GvFrameChoice::boulder(angle, boulders);
                renderer_->drawFrame(GvImage::boulder, t.frame, quad, colour, t.rotation);
            }
        }
    }
    renderer_->flushAll();
}

std::unique_ptr<OrbRenderToTexture> GvResources::makePreviewTarget() {
    return std::make_unique<OrbRenderToTexture>(OrbPixelRGBA, kPreviewWidth, kPreviewHeight,
                                                OrbWrapClamp, OrbWrapClamp, OrbFilterLinear,
                                                OrbFilterLinearMipmapLinear, true);
}

void GvResources::usePreviewCanvas(int caveWidth, int caveHeight) {
    const float w = static_cast<float>(std::max(caveWidth, 1));
    const float h = static_cast<float>(std::max(caveHeight, 1));
    const float targetAspect = static_cast<float>(kPreviewWidth) / kPreviewHeight;
    OrbRect canvas{0.0f, 0.0f, w, h};
    if (targetAspect > w / h) {
        canvas.width = h * targetAspect;
        canvas.x = -(canvas.width - w) / 2.0f;
    } else {
        canvas.height = w / targetAspect;
        canvas.y = -(canvas.height - h) / 2.0f;
    }
    OrbProjection(0, 0, kPreviewWidth, kPreviewHeight, canvas).apply();
    OrbGlState::setModelScale(1.0f, 1.0f);
}

bool GvResources::drawPreview(const GvLevelPack& pack, int cave, int variant,
                              OrbRenderToTexture& target) {
    // A scratch world: the game's own world is never touched by a preview.
    GvWorld world;
    if (!pack.buildCaveVariant(cave, variant, world)) {
        return false;
    }
    if (!target.usable() || !target.beginRendering()) {
        return false;
    }
    const int w = world.has_view ? world.view_width : world.width;
    const int h = world.has_view ? world.view_height : world.height;
    usePreviewCanvas(w, h);
    OrbGlState::clear(OrbColor{0, 0, 0, 0});
    solid_->addQuad(OrbRect{0, 0, static_cast<float>(w), static_cast<float>(h)},
                    OrbColor{0, 0, 0, 1});
    solid_->flush();
    renderer_->drawPlain(world);
    target.endRendering();
    useProjection(projectionInUse_);
    return true;
}

void GvResources::drawPlaceholder(const GvCaveDef& cave, const OrbColor& colour,
                                  OrbRenderToTexture& target) {
    if (!target.usable() || !target.beginRendering()) {
        target.fillSolid(colour);
        // A target that cannot render does not count as uploaded, so new pixels
        // would stay in memory; acquiring it afresh brings them to GL.
        const int owners = target.useCount();
        for (int i = 0; i < owners; ++i) {
            target.release();
        }
        for (int i = 0; i < owners; ++i) {
            target.acquire();
        }
        return;
    }
    const auto [w, h] = shownSize(cave);
    usePreviewCanvas(w, h);
    OrbGlState::clear(OrbColor{0, 0, 0, 0});
    solid_->addQuad(OrbRect{0, 0, static_cast<float>(w), static_cast<float>(h)}, colour);
    solid_->flush();
    target.endRendering();
    useProjection(projectionInUse_);
}
