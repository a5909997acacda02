#include "sim/GvMagicWallObject.h"

#include "sim/GvWorld.h"

void GvMagicWallObject::tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) {
    GvClippedObjectBase::tick(world, col, row, input, detached);
    if (world.magic_wall_state != 1) {
        return;
    }
    if (!detached) {
        world.raiseEvent(GvWorldEvent::magic_wall);
    }
    // A fresh set starts small and staggered so they do not all burn out together.
    if (sparkles.empty()) {
        for (int k = 1; k <= kMaxSparkles; ++k) {
            Sparkle sparkle = newSparkle(world);
            sparkle.size *= static_cast<float>(k) * 0.25f;
            sparkles.push_back(sparkle);
        }
        animating = true;
    }
}

void GvMagicWallObject::animate(GvWorld& world, float tickDelta, float seconds) {
    GvClippedObjectBase::animate(world, tickDelta, seconds);
    for (std::size_t i = sparkles.size(); i-- > 0;) {
        Sparkle& sparkle = sparkles[i];
        sparkle.angle -= 20.0f * tickDelta;
        sparkle.size -= 0.1f * tickDelta;
        if (sparkle.size > 0.0f) {
            continue;
        }
        if (world.magic_wall_state == 1) {
            sparkle = newSparkle(world);
        } else {
            sparkles.erase(sparkles.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    animating = animating || !sparkles.empty();
}

GvMagicWallObject::Sparkle GvMagicWallObject::newSparkle(GvWorld& world) {
    Sparkle sparkle;
    sparkle.x = world.cosmetic_random.nextUnit() - 0.5f;
    sparkle.y = world.cosmetic_random.nextUnit() - 0.5f;
    sparkle.size = world.cosmetic_random.nextUnit() * 0.2f + 0.1f;
    sparkle.angle = world.cosmetic_random.nextUnit() * 360.0f;
    return sparkle;
}

GvObjectKind GvMagicWallObject::kind() const {
    return GvObjectKind::magic_wall;
}

bool GvMagicWallObject::isDiggable() const {
    return false;
}

bool GvMagicWallObject::isCollectable() const {
    return false;
}

bool GvMagicWallObject::isPushable() const {
    return false;
}

bool GvMagicWallObject::isRounded() const {
    return false;
}

bool GvMagicWallObject::isGravityObject() const {
    return false;
}

int GvMagicWallObject::hitResponse() const {
    return 0;
}

int GvMagicWallObject::blastResponse() const {
    return 2;
}
