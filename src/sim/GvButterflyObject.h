#pragma once

#include "sim/GvMovingObjectBase.h"

// Butterfly: patrols keeping its right hand on the wall; explodes into diamonds.
class GvButterflyObject : public GvMovingObjectBase {
public:
    GvButterflyObject() = default;
    explicit GvButterflyObject(int directionIndex) : direction(directionIndex) {}
    void randomizeLook(GvGamePlayRandomStream& cosmeticRandom) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // Index into the butterfly's direction table: the step it tries first.
    int direction = 0;
    float flutter_phase = 0.0f;
    float flutter_rate = 1.8f;
};
