#pragma once

#include "sim/GvVisibleObjectBase.h"

#include <memory>

// An explosion in progress; after three ticks it leaves its remains in the cell.
class GvExplosionObject : public GvVisibleObjectBase {
public:
    // Leaves space when no remains are given.
    explicit GvExplosionObject(std::unique_ptr<GvObject> leftBehind = nullptr);
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // What the explosion leaves behind; never null.
    std::unique_ptr<GvObject> remains;
    int stage = 0;
    float stage_fraction = 0.0f;
};
