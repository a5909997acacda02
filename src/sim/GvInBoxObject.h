#pragma once

#include "sim/GvVisibleObjectBase.h"

// The entrance: it flashes while the cave waits and hatches the player when play starts.
class GvInBoxObject : public GvVisibleObjectBase {
public:
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    bool flash = false;
};
