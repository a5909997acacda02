#pragma once

#include "sim/GvRollingObjectBase.h"

// A rolling object that obeys gravity (boulder, diamond, bomb). Moving sideways
// turns it by one cell's worth of rolling.
class GvFallingObjectBase : public GvRollingObjectBase {
public:
    // Two radians: the turn of a unit-diameter ball rolling one cell.
    static constexpr float kRollDegrees = 114.59156f;

    void moveBy(GvWorld& world, int col, int row, int dx, int dy) override;
    void setFalling(bool falling) override;
    bool isFalling() const override;
    void randomizeLook(GvGamePlayRandomStream& cosmeticRandom) override;

    bool falling = false;
};
