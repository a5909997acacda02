#include "sim/GvButterflyObject.h"

#include "sim/GvGamePlayRandomStream.h"

void GvButterflyObject::randomizeLook(GvGamePlayRandomStream& cosmeticRandom) {
    flutter_phase = cosmeticRandom.nextUnit();
    flutter_rate = cosmeticRandom.nextUnit() * 0.4f + 1.6f;
}

GvObjectKind GvButterflyObject::kind() const {
    return GvObjectKind::butterfly;
}

bool GvButterflyObject::isDiggable() const {
    return false;
}

bool GvButterflyObject::isCollectable() const {
    return false;
}

bool GvButterflyObject::isPushable() const {
    return false;
}

bool GvButterflyObject::isRounded() const {
    return false;
}

bool GvButterflyObject::isGravityObject() const {
    return false;
}

int GvButterflyObject::hitResponse() const {
    return 3;
}

int GvButterflyObject::blastResponse() const {
    return 2;
}
