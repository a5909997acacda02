#include "sim/GvPlayerObject.h"

GvObjectKind GvPlayerObject::kind() const {
    return GvObjectKind::player;
}

bool GvPlayerObject::isDiggable() const {
    return false;
}

bool GvPlayerObject::isCollectable() const {
    return false;
}

bool GvPlayerObject::isPushable() const {
    return false;
}

bool GvPlayerObject::isRounded() const {
    return false;
}

bool GvPlayerObject::isGravityObject() const {
    return false;
}

int GvPlayerObject::hitResponse() const {
    return exited ? 0 : 2;
}

int GvPlayerObject::blastResponse() const {
    return exited ? 0 : 2;
}
