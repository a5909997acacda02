#include "sim/GvRollingObjectBase.h"

#include <cmath>

void GvRollingObjectBase::animate(GvWorld& world, float tickDelta, float seconds) {
    GvMovingObjectBase::animate(world, tickDelta, seconds);
    if (spin != 0.0f) {
        setAngle(angle_value + spin * tickDelta);
    }
    animating = animating || spin != 0.0f;
}

void GvRollingObjectBase::setAngle(float degrees) {
    if (!std::isfinite(degrees)) {
        angle_value = 0.0f;
        return;
    }
    float reduced = std::fmod(degrees, 360.0f);
    if (reduced < 0.0f) {
        reduced += 360.0f;
    }
    // fmod of a tiny negative value can round up to exactly 360.
    angle_value = reduced >= 360.0f ? 0.0f : reduced;
}

float GvRollingObjectBase::angle() const {
    return angle_value;
}

void GvRollingObjectBase::setSpin(float delta, float target) {
    spin = delta;
    spin_target = target;
    if (delta != 0.0f) {
        animating = true;
    }
}

void GvRollingObjectBase::applySpin() {
    if (spin != 0.0f) {
        setAngle(spin_target);
        spin = 0.0f;
    }
}
