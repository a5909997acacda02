#include "sim/GvExplosionObject.h"

#include "sim/GvSpaceObject.h"

GvExplosionObject::GvExplosionObject(std::unique_ptr<GvObject> leftBehind)
    : remains(leftBehind ? std::move(leftBehind) : std::make_unique<GvSpaceObject>()) {}

GvObjectKind GvExplosionObject::kind() const {
    return GvObjectKind::explosion;
}

bool GvExplosionObject::isDiggable() const {
    return false;
}

bool GvExplosionObject::isCollectable() const {
    return false;
}

bool GvExplosionObject::isPushable() const {
    return false;
}

bool GvExplosionObject::isRounded() const {
    return false;
}

bool GvExplosionObject::isGravityObject() const {
    return false;
}

int GvExplosionObject::hitResponse() const {
    return 0;
}

int GvExplosionObject::blastResponse() const {
    return 2;
}
