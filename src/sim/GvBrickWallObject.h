#pragma once

#include "sim/GvVisibleObjectBase.h"

// Brick wall: rounded, so things roll off it; explosions destroy it.
class GvBrickWallObject : public GvVisibleObjectBase {
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
