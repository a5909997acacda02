#include "sim/GvGrowingWallObject.h"

GvObjectKind GvGrowingWallObject::kind() const {
    return GvObjectKind::growing_wall;
}

bool GvGrowingWallObject::isDiggable() const {
    return false;
}

bool GvGrowingWallObject::isCollectable() const {
    return false;
}

bool GvGrowingWallObject::isPushable() const {
    return false;
}

bool GvGrowingWallObject::isRounded() const {
    return false;
}

bool GvGrowingWallObject::isGravityObject() const {
    return false;
}

int GvGrowingWallObject::hitResponse() const {
    return 0;
}

int GvGrowingWallObject::blastResponse() const {
    return 2;
}
