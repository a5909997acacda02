#pragma once

#include "sim/GvRollingObjectBase.h"
#include "sim/GvWorldEvent.h"

// A rolling object that obeys gravity (boulder, diamond, bomb). They share one
// tick: fall into free space below, roll off rounded things (left first), and
// strike what they land on; the leaf classes supply their sound, what a magic
// wall turns them into, and the bomb's fuse. Moving sideways turns the object by
// one cell's worth of rolling.
class GvFallingObjectBase : public GvRollingObjectBase {
public:
    // Two radians: the turn of a unit-diameter ball rolling one cell.
    static constexpr float kRollDegrees = 114.59156f;

    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    void moveBy(GvWorld& world, int col, int row, int dx, int dy) override;
    void setFalling(bool falling) override;
    bool isFalling() const override;
    void randomizeLook(GvGamePlayRandomStream& cosmeticRandom) override;

    // True when the object at (col, row) could move to (col + dx, row + 1): that
    // cell, and for dx != 0 the side cell (col + dx, row), exist, hold space and
    // (except under retro physics) were not written in this tick.
    static bool canFall(const GvWorld& world, int col, int row, int dx);

    bool falling = false;

protected:
    // The sound raised when this object starts or stops falling or rolls.
    virtual GvWorldEvent fallEvent() const = 0;
    // What an active magic wall turns this object into when it lands on one;
    // space for objects that do not pass through.
    virtual GvObjectKind magicWallKind() const;
    // Called first in an attached tick; true when the object has gone (a burnt-
    // down fuse) and the tick must stop.
    virtual bool beforeFall(GvWorld& world, int col, int row);
    // Called when a falling object comes to rest or rolls, before it strikes.
    virtual void landed(GvWorld& world);
    // Called at the end of every attached tick that did not stop early.
    virtual void afterFall(GvWorld& world);

private:
    void passMagicWall(GvWorld& world, int col, int row, int wallCol, int wallRow);
    static void strike(GvWorld& world, int col, int row);
};
