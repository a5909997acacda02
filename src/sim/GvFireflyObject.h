#pragma once

#include "sim/GvRollingObjectBase.h"

// Firefly: patrols keeping its left hand on the wall; explodes into space when touched or hit.
class GvFireflyObject : public GvRollingObjectBase {
public:
    GvFireflyObject() = default;
    explicit GvFireflyObject(int directionIndex);
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // Index into the firefly's direction table: the step it tries first.
    int direction = 0;
};
