#pragma once

#include "sim/GvVisibleObjectBase.h"

// A visible object that can be drawn sliding between cells: the shift is the
// drawing offset from its cell, moved on by its rate while the world animates.
class GvMovingObjectBase : public GvVisibleObjectBase {
public:
    // A new tick starts with the object drawn in its cell.
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    bool isShifted() const override;
    void setShiftX(float offset, float rate) override;
    float shiftX() const override;
    void setShiftY(float offset, float rate) override;
    float shiftY() const override;

    float shift_x = 0.0f;
    float shift_x_rate = 0.0f;
    float shift_y = 0.0f;
    float shift_y_rate = 0.0f;
};
