#pragma once

#include "sim/GvFallingObjectBase.h"

// A bomb: falls and can be pushed; once lit it explodes when its fuse has burnt down.
class GvBombObject : public GvFallingObjectBase {
public:
    // Lights the fuse unless it already burns.
    void ignite(GvWorld& world) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // Tick count at which the bomb explodes; -1 while unlit.
    int fuse_end = -1;

protected:
    GvWorldEvent fallEvent() const override;
    // Explodes when the fuse has burnt down, wherever the bomb then is.
    bool beforeFall(GvWorld& world, int col, int row) override;
    // A bomb lights itself when it lands.
    void landed(GvWorld& world) override;
    // A lit fuse keeps its sound going.
    void afterFall(GvWorld& world) override;
};
