#include "sim/GvBombObject.h"

#include "sim/GvWorld.h"

void GvBombObject::ignite(GvWorld& world) {
    if (fuse_end < 0)
        fuse_end = world.tick_count + world.bomb_ticks;
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
