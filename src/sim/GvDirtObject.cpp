#include "sim/GvDirtObject.h"

#include "sim/GvWorld.h"

void GvDirtObject::tick(GvWorld& world, int col, int row, GvInputBits, bool detached) {
    finishClip();
    if (!detached) {
        world.restUntilNearbyWrite(col, row);
    }
}

GvObjectKind GvDirtObject::kind() const {
    return GvObjectKind::dirt;
}

bool GvDirtObject::isDiggable() const {
    return true;
}

bool GvDirtObject::isCollectable() const {
    return false;
}

bool GvDirtObject::isPushable() const {
    return false;
}

bool GvDirtObject::isRounded() const {
    return false;
}

bool GvDirtObject::isGravityObject() const {
    return false;
}

int GvDirtObject::hitResponse() const {
    return 0;
}

int GvDirtObject::blastResponse() const {
    return 2;
}
