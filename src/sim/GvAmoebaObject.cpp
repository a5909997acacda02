#include "sim/GvAmoebaObject.h"

GvObjectKind GvAmoebaObject::kind() const {
    return GvObjectKind::amoeba;
}

bool GvAmoebaObject::isDiggable() const {
    return false;
}

bool GvAmoebaObject::isCollectable() const {
    return false;
}

bool GvAmoebaObject::isPushable() const {
    return false;
}

bool GvAmoebaObject::isRounded() const {
    return false;
}

bool GvAmoebaObject::isGravityObject() const {
    return false;
}

int GvAmoebaObject::hitResponse() const {
    return 0;
}

int GvAmoebaObject::blastResponse() const {
    return 2;
}
