#pragma once

#include "sim/GvMovingObjectBase.h"

// The player, steered by the tick's input; immune once it has gone into the exit.
class GvPlayerObject : public GvMovingObjectBase {
public:
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // 0 up, 1 left, 2 front, 3 right.
    int facing = 2;
    bool walking = false;
    float walk_phase = 0.0f;
    bool pushing = false;
    bool blinking = false;
    bool tapping = false;
    float idle_phase = 0.0f;
    bool exited = false;
};
