#include "sim/GvFallingObjectBase.h"

#include "sim/GvGamePlayRandomStream.h"

void GvFallingObjectBase::moveBy(GvWorld& world, int col, int row, int dx, int dy) {
    GvRollingObjectBase::moveBy(world, col, row, dx, dy);
    if (dx < 0)
        setSpin(kRollDegrees, angle_value + kRollDegrees);
    else if (dx > 0)
        setSpin(-kRollDegrees, angle_value - kRollDegrees);
}

void GvFallingObjectBase::setFalling(bool value) {
    falling = value;
}

bool GvFallingObjectBase::isFalling() const {
    return falling;
}

void GvFallingObjectBase::randomizeLook(GvGamePlayRandomStream& cosmeticRandom) {
    setAngle(cosmeticRandom.nextUnit() * 360.0f);
}
