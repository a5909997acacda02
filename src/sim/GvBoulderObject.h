#pragma once

#include "sim/GvFallingObjectBase.h"

// A boulder: falls, rolls off rounded things and can be pushed sideways.
class GvBoulderObject : public GvFallingObjectBase {
public:
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

protected:
    GvWorldEvent fallEvent() const override;
    // An active magic wall turns a boulder into a diamond.
    GvObjectKind magicWallKind() const override;
};
