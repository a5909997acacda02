#pragma once

#include "sim/GvClippedObjectBase.h"

// Dirt: the player digs through it, and amoeba grows into it.
class GvDirtObject : public GvClippedObjectBase {
public:
    // Finishes a pending reveal or hide; then dirt has nothing to do until
    // something changes next to it (dirt is clipped only as it is taken away).
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
