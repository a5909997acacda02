#pragma once

#include "sim/GvFallingObjectBase.h"

// A diamond: falls like a boulder and is collected by the player; it sparkles now and then.
class GvDiamondObject : public GvFallingObjectBase {
public:
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;
    // Rolling looks, then the sparkle burning down.
    void animate(GvWorld& world, float tickDelta, float seconds) override;

    // Chance per tick that a resting or falling diamond starts to sparkle.
    static constexpr float kSparkleChance = 0.005f;
    // A sparkle's life, used up at kSparkleDecay per tick (nine ticks).
    static constexpr float kSparkleLife = 0.36f;
    static constexpr float kSparkleDecay = 0.04f;

    bool sparkling = false;
    int sparkle_seed = 0;
    float sparkle_life = 0.0f;
    float sparkle_angle = 0.0f;

protected:
    GvWorldEvent fallEvent() const override;
    // An active magic wall turns a diamond into a boulder.
    GvObjectKind magicWallKind() const override;
    // Now and then starts a sparkle (looks only, from the cosmetic random state).
    void afterFall(GvWorld& world) override;
};
