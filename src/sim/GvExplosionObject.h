#pragma once

#include "sim/GvVisibleObjectBase.h"

#include <memory>

// An explosion in progress: it fades in the tick after it starts, fades out
// while its remains grow in the tick after that, and then leaves its remains in
// the cell. Its remains are ticked and animated (detached) along with it.
class GvExplosionObject : public GvVisibleObjectBase {
public:
    // Leaves space when no remains are given.
    explicit GvExplosionObject(std::unique_ptr<GvObject> leftBehind = nullptr);
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // How far the explosion has burnt, 0..1, for picking its picture.
    float frame() const;

    // What the explosion leaves behind; null only after it has been handed over.
    std::unique_ptr<GvObject> remains;
    int stage = 0;
    float stage_fraction = 0.0f;
};
