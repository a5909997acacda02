#pragma once

#include "sim/GvMovingObjectBase.h"

// A moving object drawn at an angle that can turn smoothly: a pending spin is
// spread over the next tick's animation and then fixed on its target.
class GvRollingObjectBase : public GvMovingObjectBase {
public:
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    // Stores the angle reduced into [0, 360).
    void setAngle(float degrees) override;
    float angle() const override;
    void setSpin(float delta, float target) override;
    void applySpin() override;

    float angle_value = 0.0f;
    float spin = 0.0f;
    float spin_target = 0.0f;
};
