#include "sim/GvMagicWallObject.h"

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
