#pragma once

#include "sim/GvRollingObjectBase.h"

// Firefly: patrols keeping its left hand on the wall; explodes into space when touched or hit.
class GvFireflyObject : public GvRollingObjectBase {
public:
    // The firefly's steps by direction index; index + 1 is a quarter turn to the left.
    static constexpr int kSteps[4][2] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}};

    GvFireflyObject() = default;
    explicit GvFireflyObject(int directionIndex);
    // Turns left and moves if it can, else moves straight on, else turns right
    // in place; explodes first when it touches the player, the doll or amoeba.
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
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
