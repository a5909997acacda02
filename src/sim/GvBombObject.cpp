#include "sim/GvBombObject.h"

#include "sim/GvWorld.h"

void GvBombObject::ignite(GvWorld& world) {
    if (fuse_end < 0) {
        fuse_end = world.tick_count + world.bomb_ticks;
    }
}

GvObjectKind GvBombObject::kind() const {
    return GvObjectKind::bomb;
}

bool GvBombObject::isDiggable() const {
    return false;
}

bool GvBombObject::isCollectable() const {
    return false;
}

bool GvBombObject::isPushable() const {
    return !falling;
}

bool GvBombObject::isRounded() const {
    return !falling;
}

bool GvBombObject::isGravityObject() const {
    return true;
}

int GvBombObject::hitResponse() const {
    return 1;
}

int GvBombObject::blastResponse() const {
    return 1;
}

GvWorldEvent GvBombObject::fallEvent() const {
    return GvWorldEvent::bomb;
}

bool GvBombObject::beforeFall(GvWorld& world, int col, int row) {
    if (fuse_end < 0 || world.tick_count < fuse_end) {
        return false;
    }
    world.explode(col, row, GvObjectKind::space);
    return true;
}

void GvBombObject::landed(GvWorld& world) {
    ignite(world);
}

void GvBombObject::afterFall(GvWorld& world) {
    if (fuse_end >= 0) {
        world.raiseEvent(GvWorldEvent::fuse);
    }
}
