#include "sim/GvDiamondObject.h"

#include "sim/GvWorld.h"

GvObjectKind GvDiamondObject::kind() const {
    return GvObjectKind::diamond;
}

bool GvDiamondObject::isDiggable() const {
    return false;
}

bool GvDiamondObject::isCollectable() const {
    return !falling;
}

bool GvDiamondObject::isPushable() const {
    return false;
}

bool GvDiamondObject::isRounded() const {
    return !falling;
}

bool GvDiamondObject::isGravityObject() const {
    return true;
}

int GvDiamondObject::hitResponse() const {
    return 0;
}

int GvDiamondObject::blastResponse() const {
    return 2;
}

void GvDiamondObject::animate(GvWorld& world, float tickDelta, float seconds) {
    GvFallingObjectBase::animate(world, tickDelta, seconds);
    if (sparkling) {
        sparkle_angle -= 10.0f * tickDelta;
        sparkle_life -= kSparkleDecay * tickDelta;
        // 0.36 and 0.04 are not exact in float: without the margin the rounding
        // left over after nine ticks would keep the sparkle for a tenth.
        sparkling = sparkle_life > 1e-5f;
    }
    animating = animating || sparkling;
}

GvWorldEvent GvDiamondObject::fallEvent() const {
    return GvWorldEvent::diamond;
}

GvObjectKind GvDiamondObject::magicWallKind() const {
    return GvObjectKind::boulder;
}

void GvDiamondObject::afterFall(GvWorld& world) {
    if (sparkling) {
        return;
    }
    if (world.cosmetic_random.nextUnit() < kSparkleChance) {
        sparkle_life = kSparkleLife;
        sparkle_seed = static_cast<int>(world.cosmetic_random.next() & 0x7fffffffu);
        sparkling = true;
        animating = true;
        sparkle_angle = world.cosmetic_random.nextUnit() * 360.0f;
    }
}
