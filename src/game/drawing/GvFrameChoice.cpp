#include "game/drawing/GvFrameChoice.h"

#include "sim/GvBombObject.h"
#include "sim/GvButterflyObject.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvInBoxObject.h"
#include "sim/GvMagicWallObject.h"
#include "sim/GvOutBoxObject.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cmath>

namespace {

// The world's looping phases, by their index in GvWorld::phase.
constexpr int kAmoebaPhase = 0;
constexpr int kSlimePhase = 1;
constexpr int kBombPhase = 2;
constexpr int kLitBombPhase = 3;

int wrapInto(int value, int count) {
    if (count <= 0) {
        return 0;
    }
    const int r = value % count;
    return r < 0 ? r + count : r;
}

// A turn split into `steps` equal steps: the nearest step and the rest in degrees.
GvFrameChoice::Turned turnSteps(float angle, int steps) {
    const double s = static_cast<double>(steps) * angle / 360.0;
    const int n = GvFrameChoice::nearest(s);
    return {wrapInto(n, steps), static_cast<float>((s - n) * 360.0 / steps)};
}

GvLook single(GvImage image, int frame, const GvFrameChoice::Counts& counts) {
    GvLook look;
    look.image = image;
    look.frame = GvFrameChoice::clampFrame(frame, counts[static_cast<int>(image)]);
    return look;
}

GvLook tiled(GvImage image, int frame, const GvFrameChoice::Counts& counts) {
    GvLook look = single(image, frame, counts);
    look.tiled = true;
    return look;
}

} // namespace

const GvFrameChoice::Counts& GvFrameChoice::standardCounts() {
    static const Counts counts = {24, 8,  24, 20, 4, 11, 16, 1, GvArt::playerFrameCount,
                                  20, 20, 5,  7,  1};
    return counts;
}

int GvFrameChoice::nearest(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

int GvFrameChoice::clampFrame(int frame, int count) {
    return std::clamp(frame, 0, std::max(count - 1, 0));
}

GvFrameChoice::Turned GvFrameChoice::boulder(float angle, int count) {
    if (count <= 0) {
        return {};
    }
    return turnSteps(angle, count);
}

GvFrameChoice::Turned GvFrameChoice::diamond(float angle, int count) {
    if (count <= 0) {
        return {};
    }
    Turned t = turnSteps(angle, 7 * count);
    t.frame %= count;
    return t;
}

int GvFrameChoice::bombPulse(float phase) {
    const double p = std::floor(std::fabs(1.0 - 2.0 * phase) * 8.0 + 0.5);
    return static_cast<int>(std::clamp(p, 0.0, 7.0));
}

GvFrameChoice::Turned GvFrameChoice::bomb(float angle, float phase, int count) {
    Turned t = turnSteps(angle, 24);
    t.frame = clampFrame(t.frame % 3 + 3 * bombPulse(phase), count);
    return t;
}

GvLook GvFrameChoice::firefly(float angle, int count) {
    GvLook look;
    look.image = GvImage::firefly;
    if (count <= 1) {
        return look;
    }
    const int steps = 2 * count - 2;
    const Turned t = turnSteps(angle, steps);
    look.rotation = t.rotation;
    if (t.frame < count) {
        look.frame = t.frame;
    } else {
        look.frame = clampFrame(steps - t.frame, count);
        look.mirrored = true;
    }
    return look;
}

int GvFrameChoice::butterfly(float wingOpening, int count) {
    return clampFrame(nearest(static_cast<double>(count) * wingOpening), count);
}

int GvFrameChoice::looping(float phase, int count) {
    return clampFrame(static_cast<int>(std::floor(static_cast<double>(count) * phase)), count);
}

int GvFrameChoice::explosion(float progress, int count) {
    return clampFrame(nearest(static_cast<double>(count) * progress), count);
}

GvLook GvFrameChoice::player(const PlayerPose& pose, const PlayerGroups& groups, int count) {
    GvLook look;
    look.image = GvImage::player;
    int frame = groups.standFront;
    const int n = static_cast<int>(std::floor(24.0 * pose.progress));
    // Walking up or down: half a stride of frames, mirrored for the other half.
    auto vertical = [&](int group) {
        if (n < 0) {
            frame = group;
        } else if (n > 23) {
            frame = group + 11;
            look.mirrored = true;
        } else if (n > 11) {
            frame = group + (n - 12);
            look.mirrored = true;
        } else {
            frame = group + n;
        }
    };
    switch (pose.facing) {
    case 0:
        if (pose.moving) {
            vertical(groups.walkUp);
        } else {
            frame = groups.standBack;
        }
        break;
    case 1:
    case 3:
        if (pose.moving) {
            frame = (pose.pushing ? groups.pushWalk : groups.walkSide) + std::clamp(n, 0, 23);
        } else {
            frame = pose.pushing ? groups.pushSide : groups.standSide;
        }
        // The sideways frames face right.
        look.mirrored = pose.facing == 1;
        break;
    default:
        if (pose.moving) {
            vertical(groups.walkDown);
        } else if (pose.blinking || pose.tapping) {
            const double x = 1.0 - std::fabs(2.0 * pose.blinkProgress - 1.0);
            const int k = std::clamp(static_cast<int>(std::floor(6.0 * x)), 0, 5);
            const int group = pose.blinking && pose.tapping ? groups.blinkTap
                              : pose.tapping                ? groups.tap
                                                            : groups.blink;
            frame = group + k;
        } else {
            frame = groups.standFront;
        }
        break;
    }
    look.frame = clampFrame(frame, count);
    return look;
}

OrbRect GvFrameChoice::tileQuarter(int gridCol, int gridRow) {
    return OrbRect{(gridCol & 1) != 0 ? 0.5f : 0.0f, (gridRow & 1) != 0 ? 0.5f : 0.0f, 0.5f, 0.5f};
}

GvLook GvFrameChoice::look(const GvObject& object, const GvWorld& world, const Counts& counts,
                           bool plain) {
    auto count = [&](GvImage image) { return counts[static_cast<int>(image)]; };
    switch (object.kind()) {
    case GvObjectKind::dirt:
        return tiled(GvImage::dirt, object.style(), counts);
    case GvObjectKind::boulder: {
        GvLook look = single(GvImage::boulder, 0, counts);
        if (!plain) {
            const Turned t = boulder(object.angle(), count(GvImage::boulder));
            look.frame = clampFrame(t.frame, count(GvImage::boulder));
            look.rotation = t.rotation;
        }
        return look;
    }
    case GvObjectKind::diamond: {
        GvLook look = single(GvImage::diamond, 0, counts);
        if (!plain) {
            const Turned t = diamond(object.angle(), count(GvImage::diamond));
            look.frame = clampFrame(t.frame, count(GvImage::diamond));
            look.rotation = t.rotation;
        }
        return look;
    }
    case GvObjectKind::bomb: {
        GvLook look = single(GvImage::bomb, count(GvImage::bomb) - 1, counts);
        if (!plain) {
            const auto& bombObject = static_cast<const GvBombObject&>(object);
            const int phaseIndex = bombObject.fuse_end >= 0 ? kLitBombPhase : kBombPhase;
            const Turned t =
                bomb(object.angle(), world.phase[phaseIndex].value(), count(GvImage::bomb));
            look.frame = t.frame;
            look.rotation = t.rotation;
        }
        return look;
    }
    case GvObjectKind::steel_wall:
        return single(GvImage::steelWall, object.style(), counts);
    case GvObjectKind::brick_wall:
    case GvObjectKind::magic_wall:
    case GvObjectKind::growing_wall:
        return tiled(GvImage::brickWall, object.style(), counts);
    case GvObjectKind::firefly: {
        GvLook look = firefly(object.angle(), count(GvImage::firefly));
        if (plain) {
            look.rotation = 0.0f;
        }
        return look;
    }
    case GvObjectKind::butterfly: {
        const auto& b = static_cast<const GvButterflyObject&>(object);
        return single(GvImage::butterfly, butterfly(b.wingOpening(), count(GvImage::butterfly)),
                      counts);
    }
    case GvObjectKind::amoeba:
        return tiled(GvImage::amoeba,
                     looping(world.phase[kAmoebaPhase].value(), count(GvImage::amoeba)), counts);
    case GvObjectKind::slime:
        return single(GvImage::slime,
                      looping(world.phase[kSlimePhase].value(), count(GvImage::slime)), counts);
    case GvObjectKind::explosion: {
        const auto& e = static_cast<const GvExplosionObject&>(object);
        return single(GvImage::explosion, explosion(e.frame(), count(GvImage::explosion)), counts);
    }
    case GvObjectKind::in_box:
        if (!static_cast<const GvInBoxObject&>(object).flash) {
            return {};
        }
        return single(GvImage::steelWall, object.style(), counts);
    case GvObjectKind::out_box:
        if (!static_cast<const GvOutBoxObject&>(object).flash) {
            return {};
        }
        return single(GvImage::steelWall, object.style(), counts);
    case GvObjectKind::player: {
        const auto& p = static_cast<const GvPlayerObject&>(object);
        PlayerPose pose;
        pose.facing = p.facing;
        pose.moving = p.walking;
        pose.progress = p.walk_phase;
        pose.pushing = p.pushing;
        pose.blinking = p.blinking;
        pose.tapping = p.tapping;
        pose.blinkProgress = p.idle_phase;
        return player(pose, PlayerGroups{}, count(GvImage::player));
    }
    case GvObjectKind::voodoo_doll:
        return single(GvImage::voodooDoll, 0, counts);
    default:
        return {};
    }
}

bool GvFrameChoice::canMerge(const GvObject& object) {
    switch (object.kind()) {
    case GvObjectKind::dirt:
    case GvObjectKind::steel_wall:
    case GvObjectKind::brick_wall:
    case GvObjectKind::growing_wall:
    case GvObjectKind::amoeba:
    case GvObjectKind::slime:
        break;
    case GvObjectKind::magic_wall:
        if (!static_cast<const GvMagicWallObject&>(object).sparkles.empty()) {
            return false;
        }
        break;
    default:
        return false;
    }
    return !object.isClipped() && !object.isShifted() && object.opacity() >= 1.0f &&
           object.angle() == 0.0f;
}
