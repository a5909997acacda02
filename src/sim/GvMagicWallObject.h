#pragma once

#include "sim/GvClippedObjectBase.h"

#include <vector>

// Magic wall: while active it turns falling boulders into diamonds and back; the sparkles are looks
// only.
class GvMagicWallObject : public GvClippedObjectBase {
public:
    // Keeps the wall's sound going and lights its sparkles while the walls are active.
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    // Turns and shrinks the sparkles; a burnt-out one is replaced while the walls
    // are active and dropped otherwise.
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // A sparkle drawn over the wall, offsets in cells from its centre.
    struct Sparkle {
        float x = 0.0f;
        float y = 0.0f;
        float size = 0.0f;
        float angle = 0.0f;
    };

    static constexpr int kMaxSparkles = 4;
    std::vector<Sparkle> sparkles;

private:
    static Sparkle newSparkle(GvWorld& world);
};
