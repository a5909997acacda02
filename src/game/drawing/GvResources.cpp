#include "game/drawing/GvResources.h"

#include "art/GvArt.h"
#include "graphics/GvFont.h"
#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbPictureCodec.h"
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
#include <atomic>
#include <cmath>
#include <deque>
#include <system_error>
#include <thread>
#include <vector>

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

// One picture to decode, where its pixels go, and the decoded picture it may
// be predicted from (the previous frame of its set).
struct Decoding {
    const OrbEmbeddedData* data;
    int width;
    int height;
    int channels;
    unsigned char* out;
    std::size_t rowBytes;
    const unsigned char* reference = nullptr;
    std::size_t referenceRowBytes = 0;
};

// Pictures decoded one after the other, each after the one it is predicted from.
using Chain = std::vector<Decoding>;

void decodeOne(const Decoding& d) {
    const std::size_t size = static_cast<std::size_t>(d.width) *
                             static_cast<std::size_t>(d.height) *
                             static_cast<std::size_t>(d.channels);
    if (d.data->size != size) {
        throw OrbCorruptDataTextureException();
    }
    OrbPictureCodec::decode(d.data->bytes, d.data->compressedSize, d.width, d.height, d.channels,
                            d.out, d.rowBytes, d.reference, d.referenceRowBytes);
}

// Decodes every picture, spread over a few threads: the chains are
// independent of each other and decoding them is most of the start. The longest
// chains go first, so that no thread is left with one at the end. Throws
// OrbCorruptDataTextureException when any of them is damaged, after all are done.
void decodeAll(std::vector<Chain>& jobs) {
    std::stable_sort(jobs.begin(), jobs.end(),
                     [](const Chain& a, const Chain& b) { return a.size() > b.size(); });
    std::atomic<std::size_t> next{0};
    std::atomic<bool> damaged{false};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            try {
                for (const Decoding& d : jobs[i]) {
                    decodeOne(d);
                }
            } catch (const OrbCorruptDataTextureException&) {
                damaged = true;
            }
        }
    };
    std::vector<std::thread> helpers;
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    for (unsigned t = 1; t < count; ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break; // fewer helpers only make it slower
        }
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    if (damaged) {
        throw OrbCorruptDataTextureException();
    }
}

// Pixels decoded for a texture that is made once all decoding is done.
struct Pending {
    std::vector<unsigned char> pixels;
    int format;
    int width;
    int height;
};

// Queues a picture's decoding into a new buffer of `pending`, at the end of
// `chain` and predicted from the picture before it there.
Pending& queue(Chain& chain, std::deque<Pending>& pending, const OrbEmbeddedData& data,
               GvArtFormat format, int width, int height) {
    const int channels = GvArt::bytesPerPixel(format);
    if (width <= 0 || height <= 0) {
        throw OrbCorruptDataTextureException();
    }
    Pending& p = pending.emplace_back(
        Pending{std::vector<unsigned char>(static_cast<std::size_t>(width) * height * channels),
                pixelFormat(format), width, height});
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    const Decoding* before = chain.empty() ? nullptr : &chain.back();
    if (before != nullptr &&
        (before->width != width || before->height != height || before->channels != channels)) {
        throw OrbCorruptDataTextureException();
    }
    chain.push_back(Decoding{&data, width, height, channels, p.pixels.data(), rowBytes,
                             before != nullptr ? before->out : nullptr,
                             before != nullptr ? before->rowBytes : 0});
    return p;
}

std::unique_ptr<OrbTexture> textureOf(const Pending& p, int wrapS, int wrapT) {
    return std::make_unique<OrbTexture>(p.pixels.data(), p.format, p.width, p.height, wrapS, wrapT,
                                        OrbFilterLinear, OrbFilterLinearMipmapLinear, true);
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

// Queues the frames of a set for decoding straight into the atlas from `first` on.
void framesInto(GvArtSet set, OrbTextureAtlas& atlas, int first, std::vector<Chain>& jobs) {
    const GvArtFrames f = GvArt::frames(set);
    if (pixelFormat(f.format) != atlas.format() || f.width != atlas.frameWidth() ||
        f.height != atlas.frameHeight() || first < 0 || first + f.count > atlas.frameCount()) {
        throw OrbCorruptDataTextureException();
    }
    Chain& chain = jobs.emplace_back();
    for (int i = 0; i < f.count; ++i) {
        unsigned char* const out = atlas.frameData(first + i);
        chain.push_back(Decoding{&f.frames[i], f.width, f.height, GvArt::bytesPerPixel(f.format),
                                 out, atlas.rowBytes(), i > 0 ? chain.back().out : nullptr,
                                 i > 0 ? atlas.rowBytes() : 0});
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

    // Everything is decoded first, all at once, and the textures are made from
    // the decoded pixels afterwards.
    std::vector<Chain> jobs;
    std::deque<Pending> pending;
    const GvArtPicture& fontArt = GvArt::image(GvArtImage::Font);
    if (fontArt.format != GvArtFormat::Alpha ||
        fontArt.width != GvFont::kCellsAcross * GvFont::kCellSize ||
        fontArt.height != GvFont::kCellRows * GvFont::kCellSize) {
        throw OrbCorruptDataTextureException();
    }
    const Pending& fontPixels = queue(jobs.emplace_back(), pending, fontArt.data, fontArt.format,
                                      fontArt.width, fontArt.height);

    // The single pictures and the tile sets, each with its wrapping.
    struct Single {
        GvArtImage image;
        int wrapS;
        int wrapT;
        std::unique_ptr<OrbTexture> GvResources::*member;
        const Pending* pixels;
    };
    Single singles[] = {
        {GvArtImage::Divider, OrbWrapRepeat, OrbWrapClampToEdge, &GvResources::divider_, nullptr},
        {GvArtImage::Logo, OrbWrapClamp, OrbWrapClamp, &GvResources::logo_, nullptr},
        {GvArtImage::PanelEdge, OrbWrapClamp, OrbWrapClamp, &GvResources::panelEdge_, nullptr},
        {GvArtImage::Ramp, OrbWrapClamp, OrbWrapClamp, &GvResources::ramp_, nullptr},
        {GvArtImage::Scroller, OrbWrapClampToEdge, OrbWrapClampToEdge, &GvResources::scroller_,
         nullptr},
        {GvArtImage::Sparkle, OrbWrapClamp, OrbWrapClamp, &GvResources::sparkle_, nullptr},
        {GvArtImage::SquareEdge, OrbWrapClampToEdge, OrbWrapClampToEdge, &GvResources::squareEdge_,
         nullptr},
        {GvArtImage::VoodooDoll, OrbWrapClamp, OrbWrapClamp, &GvResources::voodooDoll_, nullptr},
    };
    struct Tiles {
        GvArtSet set;
        int wrap;
        std::unique_ptr<OrbTextureSet> GvResources::*member;
        std::vector<const Pending*> frames;
    };
    Tiles tiles[] = {
        {GvArtSet::Amoeba, OrbWrapRepeat, &GvResources::amoeba_, {}},
        {GvArtSet::Button, OrbWrapClamp, &GvResources::buttons_, {}},
        {GvArtSet::BrickWall, OrbWrapRepeat, &GvResources::brickWall_, {}},
        {GvArtSet::Dirt, OrbWrapRepeat, &GvResources::dirt_, {}},
        {GvArtSet::Slime, OrbWrapRepeat, &GvResources::slime_, {}},
        {GvArtSet::SteelWall, OrbWrapRepeat, &GvResources::steelWall_, {}},
    };
    for (Single& single : singles) {
        const GvArtPicture& art = GvArt::image(single.image);
        single.pixels =
            &queue(jobs.emplace_back(), pending, art.data, art.format, art.width, art.height);
    }
    for (Tiles& set : tiles) {
        const GvArtFrames f = GvArt::frames(set.set);
        Chain& chain = jobs.emplace_back();
        for (int i = 0; i < f.count; ++i) {
            set.frames.push_back(&queue(chain, pending, f.frames[i], f.format, f.width, f.height));
        }
    }
    for (const GvImage image : kSpriteImages) {
        if (image != GvImage::voodooDoll) {
            framesInto(artSetOf(image), *sprites_,
                       images.sheets[static_cast<std::size_t>(image)].first, jobs);
        }
    }
    decodeAll(jobs);

    font_ = std::make_unique<GvFont>(fontPixels.pixels.data(), GvFont::kCellSize);
    static const unsigned char kOpaque = 255;
    solid_ =
        std::make_unique<OrbTexture>(&kOpaque, OrbPixelAlpha, 1, 1, OrbWrapRepeat, OrbWrapRepeat,
                                     OrbFilterNearest, OrbFilterNearestMipmapNearest, true);
    for (const Single& single : singles) {
        this->*single.member = textureOf(*single.pixels, single.wrapS, single.wrapT);
    }
    for (const Tiles& set : tiles) {
        auto frames = std::make_unique<OrbTextureSet>();
        for (const Pending* frame : set.frames) {
            frames->add(textureOf(*frame, set.wrap, set.wrap));
        }
        this->*set.member = std::move(frames);
    }
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

    // Every texture, so that one loop brings them all to a context and one
    // takes them away again.
    const auto addSet = [this](const OrbTextureSet& set) {
        for (int i = 0; i < set.size(); ++i) {
            textures_.push_back(&set[i]);
        }
    };
    addSet(font_->glyphs());
    textures_.push_back(solid_.get());
    textures_.push_back(sprites_.get());
    for (const Single& single : singles) {
        textures_.push_back((this->*single.member).get());
    }
    for (const Tiles& set : tiles) {
        addSet(*(this->*set.member));
    }
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
    for (OrbTexture* texture : textures_) {
        texture->acquire();
    }
    hasGraphics_ = true;
    resize(width, height);
}

void GvResources::releaseGraphics() {
    hasGraphics_ = false;
    for (OrbTexture* texture : textures_) {
        texture->release();
    }
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
