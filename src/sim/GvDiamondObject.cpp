#include "sim/GvDiamondObject.h"

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
