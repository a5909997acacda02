#include "sim/GvVoodooDollObject.h"

GvObjectKind GvVoodooDollObject::kind() const {
    return GvObjectKind::voodoo_doll;
}

bool GvVoodooDollObject::isDiggable() const {
    return false;
}

bool GvVoodooDollObject::isCollectable() const {
    return false;
}

bool GvVoodooDollObject::isPushable() const {
    return false;
}

bool GvVoodooDollObject::isRounded() const {
    return false;
}

bool GvVoodooDollObject::isGravityObject() const {
    return false;
}

int GvVoodooDollObject::hitResponse() const {
    return 0;
}

int GvVoodooDollObject::blastResponse() const {
    return 2;
}
