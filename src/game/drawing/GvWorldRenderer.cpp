#include "game/drawing/GvWorldRenderer.h"

#include "graphics/OrbTexture.h"
#include "graphics/OrbTextureAtlas.h"
#include "graphics/OrbTextureSet.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvMagicWallObject.h"
#include "sim/GvPackedObjectType.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.1415927f;
// Where a diamond's sparkle may sit: one of seven places on this circle.
constexpr float kSparkleRadius = 0.25f;
constexpr int kSparklePlaces = 7;

// The world's looping phases, by their index in GvWorld::phase.
constexpr int kAmoebaPhase = 0;
constexpr int kSlimePhase = 1;
constexpr int kBombPhase = 2;

int floorDiv(int a, int b) {
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

float parityOffset(int value) {
    return (value & 1) != 0 ? 0.5f : 0.0f;
}

OrbRect centredSquare(float cx, float cy, float side) {
    return OrbRect{cx - side / 2.0f, cy - side / 2.0f, side, side};
}

} // namespace

GvWorldRenderer::GvWorldRenderer(const Images& images) : images_(images) {
    for (int i = 0; i < kImageCount; ++i) {
        const OrbTextureSet* set = images_.sets[static_cast<std::size_t>(i)];
        counts_[static_cast<std::size_t>(i)] = set != nullptr ? set->size() : 0;
    }
    counts_[static_cast<int>(GvImage::voodooDoll)] = images_.voodooDoll != nullptr ? 1 : 0;
    counts_[static_cast<int>(GvImage::sparkle)] = images_.sparkle != nullptr ? 1 : 0;
    for (int i = 0; i < kImageCount; ++i) {
        const Sheet& sheet = images_.sheets[static_cast<std::size_t>(i)];
        if (sheet.atlas != nullptr) {
            counts_[static_cast<std::size_t>(i)] = sheet.count;
            if (sheet.layer >= sheet.atlas->layerCount()) {
                sheet.atlas->setLayerCount(sheet.layer + 1);
            }
        }
    }
}

OrbColor GvWorldRenderer::sparkleColour() {
    // A warm white, stored gamma-converted like every colour constant of the game.
    static const OrbColor colour{1.0f, std::pow(0.96f, 2.2f / 2.4f), std::pow(0.8f, 2.2f / 2.4f),
                                 1.0f};
    return colour;
}

bool GvWorldRenderer::wrapsHorizontally(const GvWorld& world) {
    return world.presentation == GvPresentation::scrolling && !world.has_view &&
           (world.wrap == GvWrapMode::horizontal || world.wrap == GvWrapMode::all ||
            world.wrap == GvWrapMode::stepped);
}

bool GvWorldRenderer::wrapsVertically(const GvWorld& world) {
    return world.presentation == GvPresentation::scrolling && !world.has_view &&
           (world.wrap == GvWrapMode::vertical || world.wrap == GvWrapMode::all ||
            world.wrap == GvWrapMode::stepped);
}

GvWorldRenderer::Destination GvWorldRenderer::destination(GvImage image, int frame) const {
    if (image == GvImage::none) {
        return {};
    }
    const Sheet& sheet = images_.sheets[static_cast<std::size_t>(image)];
    if (sheet.atlas != nullptr) {
        if (sheet.count <= 0) {
            return {};
        }
        return Destination{sheet.atlas, sheet.layer, sheet.atlas,
                           sheet.first + GvFrameChoice::clampFrame(frame, sheet.count)};
    }
    if (image == GvImage::voodooDoll) {
        return Destination{images_.voodooDoll};
    }
    if (image == GvImage::sparkle) {
        return Destination{images_.sparkle};
    }
    OrbTextureSet* set = images_.sets[static_cast<std::size_t>(image)];
    if (set == nullptr || set->size() == 0) {
        return {};
    }
    return Destination{&(*set)[GvFrameChoice::clampFrame(frame, set->size())]};
}

void GvWorldRenderer::addQuad(const Destination& to, const OrbRect& quad, const OrbRect& tex,
                              const OrbColor& colour, float rotation) {
    to.texture->useLayer(to.layer);
    if (to.atlas != nullptr) {
        to.texture->addQuad(quad, to.atlas->mapToFrame(to.atlasFrame, tex), colour, rotation);
    } else {
        to.texture->addQuad(quad, tex, colour, rotation);
    }
}

void GvWorldRenderer::drawFrame(GvImage image, int frame, const OrbRect& quad,
                                const OrbColor& colour, float rotation) {
    const Destination to = destination(image, frame);
    if (to.texture != nullptr) {
        addQuad(to, quad, OrbRect{0, 0, 1, 1}, colour, rotation);
    }
}

void GvWorldRenderer::drawLook(const GvLook& look, const GvObject& object, const OrbColor& colour,
                               float x, float y, int gridCol, int gridRow, bool plain) {
    const Destination target = destination(look.image, look.frame);
    if (target.texture == nullptr) {
        return;
    }
    const float sx = plain ? 0.0f : object.shiftX();
    const float sy = plain ? 0.0f : object.shiftY();
    OrbRect quad{x + sx - 0.5f, y - sy - 0.5f, 1.0f, 1.0f};
    OrbRect tex = look.tiled ? GvFrameChoice::tileQuarter(gridCol, gridRow) : OrbRect{0, 0, 1, 1};
    if (look.mirrored) {
        tex.x += tex.width;
        tex.width = -tex.width;
    }
    if (!plain) {
        const float scale = object.scale();
        if (!(scale > 0.0f)) {
            return;
        }
        if (scale != 1.0f) {
            const float inset = (1.0f - scale) / 2.0f;
            quad = OrbRect{quad.x + inset, quad.y + inset, scale, scale};
        }
        if (object.isClipped()) {
            const float l = std::clamp(object.clipLeft(), 0.0f, 1.0f);
            const float r = std::clamp(object.clipRight(), 0.0f, 1.0f);
            const float b = std::clamp(object.clipBottom(), 0.0f, 1.0f);
            const float t = std::clamp(object.clipTop(), 0.0f, 1.0f);
            if (l + r >= 1.0f || b + t >= 1.0f) {
                return;
            }
            // The picture is cut, not squeezed: the texture loses the same margins.
            quad = OrbRect{quad.x + l * quad.width, quad.y + b * quad.height,
                           quad.width * (1.0f - l - r), quad.height * (1.0f - b - t)};
            tex = OrbRect{tex.x + l * tex.width, tex.y + b * tex.height, tex.width * (1.0f - l - r),
                          tex.height * (1.0f - b - t)};
        }
    }
    addQuad(target, quad, tex, colour, plain ? 0.0f : look.rotation);
}

void GvWorldRenderer::drawSparkles(const GvObject& object, const GvLook& look, float brightness,
                                   float cx, float cy) {
    const Destination sparkle = destination(GvImage::sparkle, 0);
    if (sparkle.texture == nullptr) {
        return;
    }
    if (object.kind() == GvObjectKind::diamond) {
        const auto& diamond = static_cast<const GvDiamondObject&>(object);
        const float scale = object.scale();
        const float side = 2.0f * scale * diamond.sparkle_life;
        if (!diamond.sparkling || !(side > 0.0f)) {
            return;
        }
        int place = diamond.sparkle_seed % kSparklePlaces;
        if (place < 0) {
            place += kSparklePlaces;
        }
        const float degrees =
            (static_cast<float>(place) + 0.125f) * 360.0f / kSparklePlaces + look.rotation;
        const float a = degrees * kPi / 180.0f;
        const float px = cx + kSparkleRadius * scale * std::cos(a);
        const float py = cy + kSparkleRadius * scale * std::sin(a);
        const OrbColor base = sparkleColour();
        const OrbColor colour{base.r * brightness, base.g * brightness, base.b * brightness,
                              base.a};
        addQuad(sparkle, centredSquare(px, py, side), OrbRect{0, 0, 1, 1}, colour,
                diamond.sparkle_angle);
    } else if (object.kind() == GvObjectKind::magic_wall) {
        const OrbColor colour{brightness, brightness, brightness, 1.0f};
        for (const auto& s : static_cast<const GvMagicWallObject&>(object).sparkles) {
            if (s.size > 0.0f) {
                addQuad(sparkle, centredSquare(cx + s.x, cy + s.y, 2.0f * s.size),
                        OrbRect{0, 0, 1, 1}, colour, s.angle);
            }
        }
    }
}

void GvWorldRenderer::drawCell(const GvObject& object, const GvWorld& world, float brightness,
                               float x, float y, int gridCol, int gridRow, bool plain) {
    const GvLook look = GvFrameChoice::look(object, world, counts_, plain);
    if (look.image != GvImage::none) {
        const OrbColor colour{brightness, brightness, brightness, plain ? 1.0f : object.opacity()};
        drawLook(look, object, colour, x, y, gridCol, gridRow, plain);
        if (!plain) {
            drawSparkles(object, look, brightness, x + object.shiftX(), y - object.shiftY());
        }
    }
    if (object.kind() == GvObjectKind::explosion) {
        const auto& explosion = static_cast<const GvExplosionObject&>(object);
        if (explosion.remains) {
            drawCell(*explosion.remains, world, brightness, x, y, gridCol, gridRow, plain);
        }
    }
}

void GvWorldRenderer::drawObject(const GvObject& object, const GvWorld& world, float brightness,
                                 float x, float y, int gridCol, int gridRow) {
    drawCell(object, world, brightness, x, y, gridCol, gridRow, false);
}

void GvWorldRenderer::drawRun(const GvWorld& world, const GvObject& object, int count,
                              float brightness, float x, float y, int gridCol, int gridRow) {
    if (count <= 0) {
        return;
    }
    const GvLook look = GvFrameChoice::look(object, world, counts_, false);
    const Destination target = destination(look.image, look.frame);
    if (target.texture == nullptr) {
        return;
    }
    const float n = static_cast<float>(count);
    const OrbRect quad{x - 0.5f, y - 0.5f, n, 1.0f};
    const OrbRect tex = look.tiled
                            ? OrbRect{parityOffset(gridCol), parityOffset(gridRow), 0.5f * n, 0.5f}
                            : OrbRect{0.0f, 0.0f, n, 1.0f};
    addQuad(target, quad, tex, OrbColor{brightness, brightness, brightness, object.opacity()},
            0.0f);
}

int GvWorldRenderer::flushAll() {
    int calls = 0;
    auto flushOne = [&calls](OrbTexture* t) {
        if (t != nullptr && t->batchedIndexCount() > 0) {
            ++calls;
            t->flush();
        }
    };
    for (int i = 0; i < kImageCount; ++i) {
        const auto image = static_cast<GvImage>(i);
        const Sheet& sheet = images_.sheets[static_cast<std::size_t>(i)];
        if (sheet.atlas != nullptr) {
            // This image's layer and those of the images right after it in the
            // same atlas, in one call.
            int last = sheet.layer;
            while (i + 1 < kImageCount &&
                   images_.sheets[static_cast<std::size_t>(i + 1)].atlas == sheet.atlas) {
                ++i;
                last = std::max(last, images_.sheets[static_cast<std::size_t>(i)].layer);
            }
            if (sheet.atlas->flushLayers(sheet.layer, last)) {
                ++calls;
            }
        } else if (image == GvImage::voodooDoll) {
            flushOne(images_.voodooDoll);
        } else if (image == GvImage::sparkle) {
            flushOne(images_.sparkle);
        } else if (OrbTextureSet* set = images_.sets[static_cast<std::size_t>(i)]) {
            for (int f = 0; f < set->size(); ++f) {
                flushOne(&(*set)[f]);
            }
        }
    }
    drawCalls_ += calls;
    return calls;
}

const GvObject* GvWorldRenderer::objectAt(const GvWorld& world, int col, int row) const {
    int c = col;
    int r = row;
    if (world.has_view) {
        if (c < 0 || c >= world.view_width || r < 0 || r >= world.view_height) {
            return nullptr;
        }
        c += world.view_left;
        r += world.view_top;
    }
    const bool outsideX = c < 0 || c >= world.width;
    const bool outsideY = r < 0 || r >= world.height;
    if ((outsideX && !wrapsHorizontally(world)) || (outsideY && !wrapsVertically(world))) {
        return nullptr;
    }
    if ((outsideX || outsideY) && !world.wrapCoordinates(c, r)) {
        return nullptr;
    }
    if (c < 0 || c >= world.width || r < 0 || r >= world.height) {
        return nullptr;
    }
    return world.cellAt(c, r);
}

int GvWorldRenderer::runLength(const GvWorld& world, const GvObject& object, int col, int row,
                               int lastCol) const {
    int run = 1;
    if (!GvFrameChoice::canMerge(object)) {
        return run;
    }
    while (col + run <= lastCol) {
        const GvObject* next = objectAt(world, col + run, row);
        if (next == nullptr || next->kind() != object.kind() || next->style() != object.style() ||
            !GvFrameChoice::canMerge(*next)) {
            break;
        }
        ++run;
    }
    return run;
}

void GvWorldRenderer::drawRow(const GvWorld& world, const View& view, int row) {
    const float y = view.cameraY - 0.5f - static_cast<float>(row);
    const int gridRow = row + view.wrapOffsetY;
    int col = view.firstCol;
    while (col <= view.lastCol) {
        const GvObject* object = objectAt(world, col, row);
        if (object == nullptr || object->kind() == GvObjectKind::space) {
            ++col;
            continue;
        }
        const float x = static_cast<float>(col) + 0.5f - view.cameraX;
        const int gridCol = col + view.wrapOffsetX;
        const int run = runLength(world, *object, col, row, view.lastCol);
        if (run > 1) {
            drawRun(world, *object, run, view.brightness, x, y, gridCol, gridRow);
        } else {
            drawObject(*object, world, view.brightness, x, y, gridCol, gridRow);
        }
        col += run;
    }
}

void GvWorldRenderer::drawVanishList(const GvWorld& world, const View& view, int list) {
    const bool wrapX = wrapsHorizontally(world);
    const bool wrapY = wrapsVertically(world);
    const bool stepped = world.wrap == GvWrapMode::stepped;
    const int w = std::max(world.has_view ? world.view_width : world.width, 1);
    const int h = std::max(world.has_view ? world.view_height : world.height, 1);
    for (const GvVanishRecord& record : world.vanish[static_cast<std::size_t>(list)]) {
        if (!record.object) {
            continue;
        }
        const int baseCol = world.has_view ? record.view_col : record.col;
        const int baseRow = world.has_view ? record.view_row : record.row;
        const int kxFirst = wrapX ? floorDiv(view.firstCol - baseCol, w) : 0;
        const int kxLast = wrapX ? floorDiv(view.lastCol - baseCol, w) : 0;
        for (int kx = kxFirst; kx <= kxLast; ++kx) {
            const int col = baseCol + kx * w;
            // Under stepped wrapping each cave width further right is a row higher.
            const int rowOfCopy = baseRow - (stepped && wrapX ? kx : 0);
            const int kyFirst = wrapY ? floorDiv(view.firstRow - rowOfCopy, h) : 0;
            const int kyLast = wrapY ? floorDiv(view.lastRow - rowOfCopy, h) : 0;
            for (int ky = kyFirst; ky <= kyLast; ++ky) {
                const int row = rowOfCopy + ky * h;
                if (col < view.firstCol || col > view.lastCol || row < view.firstRow ||
                    row > view.lastRow) {
                    continue;
                }
                drawObject(*record.object, world, view.brightness,
                           static_cast<float>(col) + 0.5f - view.cameraX,
                           view.cameraY - 0.5f - static_cast<float>(row), col + view.wrapOffsetX,
                           row + view.wrapOffsetY);
            }
        }
    }
}

void GvWorldRenderer::drawGrid(const GvWorld& world, const View& view) {
    for (int row = view.firstRow; row <= view.lastRow; ++row) {
        drawRow(world, view, row);
    }
}

int GvWorldRenderer::drawWorld(const GvWorld& world, const View& view) {
    int calls = 0;
    drawVanishList(world, view, 0);
    calls += flushAll();
    drawGrid(world, view);
    calls += flushAll();
    drawVanishList(world, view, 1);
    calls += flushAll();
    return calls;
}

void GvWorldRenderer::drawPlain(const GvWorld& world) {
    const int w = world.has_view ? world.view_width : world.width;
    const int h = world.has_view ? world.view_height : world.height;
    for (int row = 0; row < h; ++row) {
        const float y = static_cast<float>(h - 1 - row) + 0.5f;
        int col = 0;
        while (col < w) {
            const GvObject* object = objectAt(world, col, row);
            if (object == nullptr || object->kind() == GvObjectKind::space) {
                ++col;
                continue;
            }
            const int run = runLength(world, *object, col, row, w - 1);
            const float x = static_cast<float>(col) + 0.5f;
            if (run > 1) {
                drawRun(world, *object, run, 1.0f, x, y, col, row);
            } else {
                drawCell(*object, world, 1.0f, x, y, col, row, true);
            }
            col += run;
        }
    }
    flushAll();
}

void GvWorldRenderer::fillerQuad(const GvWorld& world, int type, float brightness, int firstCol,
                                 int firstRow, int cols, int rows, float cameraX, float cameraY) {
    if (cols <= 0 || rows <= 0) {
        return;
    }
    const OrbColor colour{brightness, brightness, brightness, 1.0f};
    const float x0 = static_cast<float>(firstCol) - cameraX;
    const float y0 = cameraY - static_cast<float>(firstRow + rows);
    const OrbRect quad{x0, y0, static_cast<float>(cols), static_cast<float>(rows)};
    const auto packed = static_cast<GvPackedObjectType>(type);
    const int style = world.filler_style;

    GvLook look;
    switch (packed) {
    case GvPackedObjectType::dirt:
        look = GvLook{GvImage::dirt, style, 0.0f, false, true};
        break;
    case GvPackedObjectType::in_box:
    case GvPackedObjectType::out_box:
    case GvPackedObjectType::steel_wall:
        look = GvLook{GvImage::steelWall, style, 0.0f, false, false};
        break;
    case GvPackedObjectType::brick_wall:
    case GvPackedObjectType::magic_wall:
    case GvPackedObjectType::growing_wall:
    case GvPackedObjectType::growing_wall_h:
    case GvPackedObjectType::growing_wall_v:
        look = GvLook{GvImage::brickWall, style, 0.0f, false, true};
        break;
    case GvPackedObjectType::amoeba:
        look = GvLook{GvImage::amoeba,
                      GvFrameChoice::looping(world.phase[kAmoebaPhase].value(),
                                             counts_[static_cast<int>(GvImage::amoeba)]),
                      0.0f, false, true};
        break;
    case GvPackedObjectType::slime:
        look = GvLook{GvImage::slime,
                      GvFrameChoice::looping(world.phase[kSlimePhase].value(),
                                             counts_[static_cast<int>(GvImage::slime)]),
                      0.0f, false, false};
        break;
    default:
        break;
    }
    if (look.image != GvImage::none) {
        const Destination target = destination(look.image, look.frame);
        if (target.texture == nullptr) {
            return;
        }
        // The bottom row's parity decides the texture's bottom edge, so that the
        // band matches tiles drawn cell by cell.
        const OrbRect tex =
            look.tiled ? OrbRect{parityOffset(firstCol), parityOffset(firstRow + rows - 1),
                                 0.5f * cols, 0.5f * rows}
                       : OrbRect{0.0f, 0.0f, static_cast<float>(cols), static_cast<float>(rows)};
        addQuad(target, quad, tex, colour, 0.0f);
        return;
    }

    // Everything else is drawn cell by cell, at rest.
    switch (packed) {
    case GvPackedObjectType::boulder:
    case GvPackedObjectType::boulder_f:
        look = GvLook{GvImage::boulder, 0, 0.0f, false, false};
        break;
    case GvPackedObjectType::diamond:
    case GvPackedObjectType::diamond_f:
        look = GvLook{GvImage::diamond, 0, 0.0f, false, false};
        break;
    case GvPackedObjectType::bomb:
    case GvPackedObjectType::bomb_f:
        look = GvLook{GvImage::bomb,
                      GvFrameChoice::bomb(0.0f, world.phase[kBombPhase].value(),
                                          counts_[static_cast<int>(GvImage::bomb)])
                          .frame,
                      0.0f, false, false};
        break;
    case GvPackedObjectType::firefly_l:
    case GvPackedObjectType::firefly_u:
    case GvPackedObjectType::firefly_r:
    case GvPackedObjectType::firefly_d:
        look = GvFrameChoice::firefly(90.0f - 90.0f * static_cast<float>(type - 16),
                                      counts_[static_cast<int>(GvImage::firefly)]);
        break;
    case GvPackedObjectType::butterfly_l:
    case GvPackedObjectType::butterfly_u:
    case GvPackedObjectType::butterfly_r:
    case GvPackedObjectType::butterfly_d:
        look = GvLook{GvImage::butterfly, 0, 0.0f, false, false};
        break;
    case GvPackedObjectType::voodoo_doll:
        look = GvLook{GvImage::voodooDoll, 0, 0.0f, false, false};
        break;
    default:
        return;
    }
    const Destination target = destination(look.image, look.frame);
    if (target.texture == nullptr) {
        return;
    }
    const OrbRect tex = look.mirrored ? OrbRect{1, 0, -1, 1} : OrbRect{0, 0, 1, 1};
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            addQuad(target,
                    OrbRect{x0 + static_cast<float>(c),
                            cameraY - static_cast<float>(firstRow + r) - 1.0f, 1.0f, 1.0f},
                    tex, colour, look.rotation);
        }
    }
}

void GvWorldRenderer::drawFiller(const GvWorld& world, float brightness, const OrbRect& visible,
                                 float cameraX, float cameraY) {
    const int type = world.filler_type;
    if (type <= 0 || type >= static_cast<int>(GvPackedObjectType::none)) {
        return;
    }
    const int caveW = world.view_width;
    const int caveH = world.view_height;
    const bool wrapX = wrapsHorizontally(world);
    const bool wrapY = wrapsVertically(world);
    const int nx =
        wrapX ? 0 : std::max(0, static_cast<int>(std::ceil((visible.width - caveW) / 2.0f)));
    const int ny =
        wrapY ? 0 : std::max(0, static_cast<int>(std::ceil((visible.height - caveH) / 2.0f)));
    if (nx > 0) {
        // The side bands run the full height, corners included.
        const int top = wrapY ? static_cast<int>(std::floor(visible.y)) : -ny;
        const int bottom =
            wrapY ? static_cast<int>(std::ceil(visible.y + visible.height)) : caveH + ny;
        fillerQuad(world, type, brightness, -nx, top, nx, bottom - top, cameraX, cameraY);
        fillerQuad(world, type, brightness, caveW, top, nx, bottom - top, cameraX, cameraY);
    }
    if (ny > 0) {
        fillerQuad(world, type, brightness, 0, -ny, caveW, ny, cameraX, cameraY);
        fillerQuad(world, type, brightness, 0, caveH, caveW, ny, cameraX, cameraY);
    }
}
