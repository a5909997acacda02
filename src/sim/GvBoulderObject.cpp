#include "sim/GvBoulderObject.h"

GvObjectKind GvBoulderObject::kind() const {
    return GvObjectKind::boulder;
}

bool GvBoulderObject::isDiggable() const {
    return false;
}

bool GvBoulderObject::isCollectable() const {
    return false;
}

bool GvBoulderObject::isPushable() const {
    return !falling;
}

bool GvBoulderObject::isRounded() const {
    return !falling;
}

bool GvBoulderObject::isGravityObject() const {
    return true;
}

int GvBoulderObject::hitResponse() const {
    return 0;
}

int GvBoulderObject::blastResponse() const {
    return 2;
}

GvWorldEvent GvBoulderObject::fallEvent() const {
    return GvWorldEvent::boulder;
}

GvObjectKind GvBoulderObject::magicWallKind() const {
    return GvObjectKind::diamond;
}
