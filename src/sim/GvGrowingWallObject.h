#pragma once

#include "sim/GvClippedObjectBase.h"

// A wall that extends into free neighbours in its allowed directions every tick.
class GvGrowingWallObject : public GvClippedObjectBase {
public:
    GvGrowingWallObject() = default;
    explicit GvGrowingWallObject(int growMask) : mask(growMask) {}
    // Grows one new piece into every free allowed neighbour (up, down, left, right).
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // 1 grows up and down, 2 left and right, 3 both.
    int mask = 2;
};
