#include "sim/GvExplosionObject.h"

#include "sim/GvSpaceObject.h"
#include "sim/GvWorld.h"

#include <algorithm>

GvExplosionObject::GvExplosionObject(std::unique_ptr<GvObject> leftBehind)
    : remains(leftBehind ? std::move(leftBehind) : std::make_unique<GvSpaceObject>()) {}

void GvExplosionObject::tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) {
    if (remains) {
        remains->tick(world, col, row, input, true);
    }
    const int s = stage;
    stage = s + 1;
    stage_fraction = 0.0f;
    if (s >= 2 && !detached) {
        // The cell's new occupant destroys this explosion: nothing may follow.
        std::unique_ptr<GvObject> left =
            remains ? std::move(remains) : std::make_unique<GvSpaceObject>();
        world.placeObject(col, row, std::move(left));
        return;
    }
    if (s == 1 && !detached) {
        fadeTo(1.0f, 0.0f);
        fadeTo(0.0f, 1.0f);
        if (remains) {
            remains->fadeTo(1.0f, 1.0f);
            remains->scaleTo(1.0f, 1.0f);
        }
    }
    // A detached explosion no longer owns its cell, so it must not hold up
    // whatever stands there now.
    if (!detached) {
        world.stampCell(col, row);
    }
}

void GvExplosionObject::animate(GvWorld& world, float tickDelta, float seconds) {
    GvVisibleObjectBase::animate(world, tickDelta, seconds);
    if (remains) {
        remains->animate(world, tickDelta, seconds);
    }
    stage_fraction = world.tick_fraction;
    // The stage moves on with the tick fraction: never at rest.
    animating = true;
}

float GvExplosionObject::frame() const {
    return std::clamp((static_cast<float>(stage) + stage_fraction) / 3.0f, 0.0f, 1.0f);
}

GvObjectKind GvExplosionObject::kind() const {
    return GvObjectKind::explosion;
}

bool GvExplosionObject::isDiggable() const {
    return false;
}

bool GvExplosionObject::isCollectable() const {
    return false;
}

bool GvExplosionObject::isPushable() const {
    return false;
}

bool GvExplosionObject::isRounded() const {
    return false;
}

bool GvExplosionObject::isGravityObject() const {
    return false;
}

int GvExplosionObject::hitResponse() const {
    return 0;
}

int GvExplosionObject::blastResponse() const {
    return 2;
}
