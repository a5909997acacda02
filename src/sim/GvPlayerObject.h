#pragma once

#include "sim/GvMovingObjectBase.h"

// The player, steered by the tick's input; immune once it has gone into the exit.
class GvPlayerObject : public GvMovingObjectBase {
public:
    // Picks one direction from the input (left, right, up, down in that order of
    // preference) and walks, digs, collects, pushes or leaves by what stands there;
    // with snap it acts on the neighbour without moving.
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    // Slides between cells and moves the walking and idle animations on.
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;

    // 0 up, 1 left, 2 front, 3 right.
    int facing = 2;
    bool walking = false;
    float walk_phase = 0.0f;
    bool pushing = false;
    bool blinking = false;
    bool tapping = false;
    float idle_phase = 0.0f;
    bool exited = false;

    // Seconds after reaching the quota at which the status line flashes.
    static constexpr double kQuotaFlashDelay = 0.08;

private:
    // Each returns whether the player moved into the target cell.
    bool collect(GvWorld& world, int col, int row, int targetCol, int targetRow, int dx, int dy,
                 bool snap);
    bool push(GvWorld& world, int col, int row, int targetCol, int targetRow, int dx, int dy,
              bool snap);
};
