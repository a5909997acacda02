#include "sim/GvFireflyObject.h"

GvFireflyObject::GvFireflyObject(int directionIndex) : direction(directionIndex) {
    setAngle(float(directionIndex) * 90.0f);
}

GvObjectKind GvFireflyObject::kind() const {
    return GvObjectKind::firefly;
}

bool GvFireflyObject::isDiggable() const {
    return false;
}

bool GvFireflyObject::isCollectable() const {
    return false;
}

bool GvFireflyObject::isPushable() const {
    return false;
}

bool GvFireflyObject::isRounded() const {
    return false;
}

bool GvFireflyObject::isGravityObject() const {
    return false;
}

int GvFireflyObject::hitResponse() const {
    return 2;
}

int GvFireflyObject::blastResponse() const {
    return 2;
}
