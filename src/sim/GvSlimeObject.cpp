#include "sim/GvSlimeObject.h"

GvObjectKind GvSlimeObject::kind() const {
    return GvObjectKind::slime;
}

bool GvSlimeObject::isDiggable() const {
    return false;
}

bool GvSlimeObject::isCollectable() const {
    return false;
}

bool GvSlimeObject::isPushable() const {
    return false;
}

bool GvSlimeObject::isRounded() const {
    return false;
}

bool GvSlimeObject::isGravityObject() const {
    return false;
}

int GvSlimeObject::hitResponse() const {
    return 0;
}

int GvSlimeObject::blastResponse() const {
    return 2;
}
