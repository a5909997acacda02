#pragma once

#include "sim/GvClippedObjectBase.h"

// Dirt: the player digs through it, and amoeba grows into it.
class GvDirtObject : public GvClippedObjectBase {
public:
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;
};
