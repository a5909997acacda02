#include "sim/GvSpaceObject.h"

void GvSpaceObject::setStyle(int) {}

int GvSpaceObject::style() const {
    return 0;
}

GvObjectKind GvSpaceObject::kind() const {
    return GvObjectKind::space;
}

bool GvSpaceObject::isDiggable() const {
    return false;
}

bool GvSpaceObject::isCollectable() const {
    return false;
}

bool GvSpaceObject::isPushable() const {
    return false;
}

bool GvSpaceObject::isRounded() const {
    return false;
}

bool GvSpaceObject::isGravityObject() const {
    return false;
}

int GvSpaceObject::hitResponse() const {
    return 0;
}

int GvSpaceObject::blastResponse() const {
    return 2;
}
