#pragma once

#include "sim/GvMovingObjectBase.h"

// Butterfly: patrols keeping its right hand on the wall; explodes into diamonds.
class GvButterflyObject : public GvMovingObjectBase {
public:
    // The butterfly's steps by direction index; index + 1 is a quarter turn to the left.
    static constexpr int kSteps[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};

    GvButterflyObject() = default;
    explicit GvButterflyObject(int directionIndex) : direction(directionIndex) {}
    // Turns right and moves if it can, else moves straight on, else turns left
    // in place; explodes first when it touches the player, the doll or amoeba.
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    // Sliding, then the wings beating at the flutter rate (in real time).
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    void randomizeLook(GvGamePlayRandomStream& cosmeticRandom) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // How far the wings are open, 0..1, at the current flutter phase: they open
    // and close over the first 0.7 of a beat and stay shut for the rest.
    float wingOpening() const;

    // Index into the butterfly's direction table: the step it tries first.
    int direction = 0;
    float flutter_phase = 0.0f;
    float flutter_rate = 1.8f;
};
