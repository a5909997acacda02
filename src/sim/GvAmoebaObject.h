#pragma once

#include "sim/GvClippedObjectBase.h"

// Amoeba: spreads at random into space and dirt; converts when enclosed or too large.
class GvAmoebaObject : public GvClippedObjectBase {
public:
    // Growth steps by the direction index drawn: left, up, right, down.
    static constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

    // Turns into the world's amoeba fate once that is decided; otherwise makes
    // at most one growth attempt into a neighbour.
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;
};
