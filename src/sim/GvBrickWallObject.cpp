#include "sim/GvBrickWallObject.h"

GvObjectKind GvBrickWallObject::kind() const {
    return GvObjectKind::brick_wall;
}

bool GvBrickWallObject::isDiggable() const {
    return false;
}

bool GvBrickWallObject::isCollectable() const {
    return false;
}

bool GvBrickWallObject::isPushable() const {
    return false;
}

bool GvBrickWallObject::isRounded() const {
    return true;
}

bool GvBrickWallObject::isGravityObject() const {
    return false;
}

int GvBrickWallObject::hitResponse() const {
    return 0;
}

int GvBrickWallObject::blastResponse() const {
    return 2;
}
