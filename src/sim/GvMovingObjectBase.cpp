#include "sim/GvMovingObjectBase.h"

void GvMovingObjectBase::tick(GvWorld&, int, int, GvInputBits, bool) {
    setShiftX(0.0f, 0.0f);
    setShiftY(0.0f, 0.0f);
}

void GvMovingObjectBase::animate(GvWorld& world, float tickDelta, float seconds) {
    GvVisibleObjectBase::animate(world, tickDelta, seconds);
    shift_x += shift_x_rate * tickDelta;
    shift_y += shift_y_rate * tickDelta;
    animating = animating || shift_x_rate != 0.0f || shift_y_rate != 0.0f;
}

bool GvMovingObjectBase::isShifted() const {
    return shift_x != 0.0f || shift_y != 0.0f;
}

void GvMovingObjectBase::setShiftX(float offset, float rate) {
    shift_x = offset;
    shift_x_rate = rate;
    if (rate != 0.0f) {
        animating = true;
    }
}

float GvMovingObjectBase::shiftX() const {
    return shift_x;
}

void GvMovingObjectBase::setShiftY(float offset, float rate) {
    shift_y = offset;
    shift_y_rate = rate;
    if (rate != 0.0f) {
        animating = true;
    }
}

float GvMovingObjectBase::shiftY() const {
    return shift_y;
}
