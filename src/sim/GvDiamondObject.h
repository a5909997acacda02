#pragma once

#include "sim/GvFallingObjectBase.h"

// A diamond: falls like a boulder and is collected by the player; it sparkles now and then.
class GvDiamondObject : public GvFallingObjectBase {
public:
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    bool sparkling = false;
    int sparkle_seed = 0;
    float sparkle_life = 0.0f;
    float sparkle_angle = 0.0f;
};
