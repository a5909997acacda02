#include "sim/GvOutBoxObject.h"

#include "sim/GvWorld.h"

void GvOutBoxObject::tick(GvWorld& world, int col, int row, GvInputBits, bool) {
    if (world.quota_reached) {
        flash = (col + row + world.tick_count) % 2 == 0;
    }
}

GvObjectKind GvOutBoxObject::kind() const {
    return GvObjectKind::out_box;
}

bool GvOutBoxObject::isDiggable() const {
    return false;
}

bool GvOutBoxObject::isCollectable() const {
    return false;
}

bool GvOutBoxObject::isPushable() const {
    return false;
}

bool GvOutBoxObject::isRounded() const {
    return false;
}

bool GvOutBoxObject::isGravityObject() const {
    return false;
}

int GvOutBoxObject::hitResponse() const {
    return 0;
}

int GvOutBoxObject::blastResponse() const {
    return 2;
}
