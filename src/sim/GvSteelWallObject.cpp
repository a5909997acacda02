#include "sim/GvSteelWallObject.h"

GvObjectKind GvSteelWallObject::kind() const {
    return GvObjectKind::steel_wall;
}

bool GvSteelWallObject::isDiggable() const {
    return false;
}

bool GvSteelWallObject::isCollectable() const {
    return false;
}

bool GvSteelWallObject::isPushable() const {
    return false;
}

bool GvSteelWallObject::isRounded() const {
    return false;
}

bool GvSteelWallObject::isGravityObject() const {
    return false;
}

int GvSteelWallObject::hitResponse() const {
    return 0;
}

int GvSteelWallObject::blastResponse() const {
    return 0;
}
