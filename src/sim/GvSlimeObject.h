#pragma once

#include "sim/GvVisibleObjectBase.h"

// Slime: lets boulders and diamonds resting on it seep through by chance.
class GvSlimeObject : public GvVisibleObjectBase {
public:
    // Draws its chance on every tick with space below it, and on success moves
    // a resting boulder or diamond from above to below, falling.
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
