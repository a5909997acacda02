#include "sim/GvPlayerObject.h"

#include "sim/GvWorld.h"

#include <cmath>

void GvPlayerObject::tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) {
    setShiftX(0.0f, 0.0f);
    setShiftY(0.0f, 0.0f);

    int dx = 0;
    int dy = 0;
    bool snap = false;
    if (!detached) {
        if ((input & kInputLeft) != 0) {
            dx = -1;
        } else if ((input & kInputRight) != 0) {
            dx = 1;
        } else if ((input & kInputUp) != 0) {
            dy = -1;
        } else if ((input & kInputDown) != 0) {
            dy = 1;
        }
        snap = (input & kInputSnap) != 0;
    }
    facing = dx < 0 ? 1 : dx > 0 ? 3 : dy < 0 ? 0 : 2;

    const bool wasWalking = walking;
    walking = false;
    pushing = false;
    bool moved = false;
    int targetCol = col + dx;
    int targetRow = row + dy;
    if ((dx != 0 || dy != 0) && world.wrapCoordinates(targetCol, targetRow)) {
        switch (world.kindAt(targetCol, targetRow)) {
        case GvObjectKind::space:
            if (snap) {
                break;
            }
            if (world.physics != GvPhysics::retro && world.isStamped(targetCol, targetRow)) {
                break;
            }
            moveBy(world, col, row, dx, dy);
            world.raiseEvent(GvWorldEvent::step);
            walking = true;
            moved = true;
            break;
        case GvObjectKind::dirt: {
            std::unique_ptr<GvObject> dirt = world.takeObject(targetCol, targetRow);
            dirt->shrinkToward(dx, dy);
            world.addVanishing(std::move(dirt), targetCol, targetRow, 0);
            if (!snap) {
                moveBy(world, col, row, dx, dy);
                walking = true;
                moved = true;
            }
            world.raiseEvent(GvWorldEvent::dig);
            break;
        }
        case GvObjectKind::diamond:
            moved = collect(world, col, row, targetCol, targetRow, dx, dy, snap);
            break;
        case GvObjectKind::boulder:
        case GvObjectKind::bomb:
            moved = push(world, col, row, targetCol, targetRow, dx, dy, snap);
            break;
        case GvObjectKind::out_box:
            if (!world.quota_reached || snap) {
                break;
            }
            world.removeWithFade(targetCol, targetRow);
            moveBy(world, col, row, dx, dy);
            walking = true;
            exited = true;
            world.exited = true;
            moved = true;
            break;
        default:
            break;
        }
    }

    // Idle looks change only every other tick so that blinks last long enough to see.
    if (world.tick_count % 2 == 0) {
        idle_phase = 0.0f;
        if (!detached && dx == 0 && dy == 0) {
            blinking = (world.cosmetic_random.next() & 3u) == 0;
            if ((world.cosmetic_random.next() & 15u) == 0) {
                tapping = !tapping;
            }
        } else {
            blinking = false;
            tapping = false;
        }
    }
    if (!detached) {
        world.player_col = moved ? targetCol : col;
        world.player_row = moved ? targetRow : row;
    }
    if (walking != wasWalking) {
        walk_phase = 0.0f;
    }
}

bool GvPlayerObject::collect(GvWorld& world, int col, int row, int targetCol, int targetRow, int dx,
                             int dy, bool snap) {
    const GvObject* diamond = world.cellAt(targetCol, targetRow);
    if (diamond->isFalling() || world.isStamped(targetCol, targetRow)) {
        return false;
    }
    ++world.diamonds_collected;
    if (world.diamonds_collected == world.diamond_quota) {
        world.raiseEvent(GvWorldEvent::quota);
        world.quota_flash_time = world.clock_time + kQuotaFlashDelay;
    }
    std::unique_ptr<GvObject> taken = world.takeObject(targetCol, targetRow);
    bool moved = false;
    if (snap) {
        // Drawn flying one cell towards the player while it shrinks.
        taken->setShiftX(0.0f, static_cast<float>(-dx));
        taken->setShiftY(0.0f, static_cast<float>(-dy));
    } else {
        taken->setShiftX(0.0f, 0.0f);
        taken->setShiftY(0.0f, 0.0f);
    }
    taken->scaleTo(1.0f, 0.0f);
    taken->scaleTo(0.0f, 1.0f);
    if (!snap) {
        moveBy(world, col, row, dx, dy);
        walking = true;
        moved = true;
    }
    world.addVanishing(std::move(taken), targetCol, targetRow, 1);
    world.raiseEvent(GvWorldEvent::collect);
    return moved;
}

bool GvPlayerObject::push(GvWorld& world, int col, int row, int targetCol, int targetRow, int dx,
                          int dy, bool snap) {
    // Boulders and bombs only move sideways.
    if (dy != 0) {
        return false;
    }
    GvObject* pushed = world.cellAt(targetCol, targetRow);
    const bool retro = world.physics == GvPhysics::retro;
    int beyondCol = targetCol + dx;
    int beyondRow = targetRow;
    int underCol = targetCol;
    int underRow = targetRow + 1;
    const bool beyondOpen = world.wrapCoordinates(beyondCol, beyondRow) &&
                            world.kindAt(beyondCol, beyondRow) == GvObjectKind::space &&
                            (retro || !world.isStamped(beyondCol, beyondRow));
    // Under the program's own rules a boulder over a gap is about to fall and
    // cannot be pushed across it.
    const bool overGap = !retro && world.wrapCoordinates(underCol, underRow) &&
                         world.kindAt(underCol, underRow) == GvObjectKind::space;
    bool moved = false;
    if (!pushed->isFalling() && !world.isStamped(targetCol, targetRow) && beyondOpen && !overGap) {
        // One draw per attempt keeps replays in step whatever the outcome.
        if ((world.random.next() & 3u) == 0) {
            const bool bomb = pushed->kind() == GvObjectKind::bomb;
            pushed->moveBy(world, targetCol, targetRow, dx, 0);
            world.raiseEvent(bomb ? GvWorldEvent::bomb : GvWorldEvent::boulder);
            if (!snap) {
                moveBy(world, col, row, dx, 0);
                moved = true;
            }
        }
    }
    walking = !pushed->isFalling();
    pushing = walking;
    return moved;
}

void GvPlayerObject::animate(GvWorld& world, float tickDelta, float seconds) {
    GvMovingObjectBase::animate(world, tickDelta, seconds);
    if (walking) {
        walk_phase = std::fmod(walk_phase + tickDelta / 3.0f, 1.0f);
    }
    idle_phase = std::fmod(idle_phase + tickDelta * 0.5f, 1.0f);
    animating = true;
}

GvObjectKind GvPlayerObject::kind() const {
    return GvObjectKind::player;
}

bool GvPlayerObject::isDiggable() const {
    return false;
}

bool GvPlayerObject::isCollectable() const {
    return false;
}

bool GvPlayerObject::isPushable() const {
    return false;
}

bool GvPlayerObject::isRounded() const {
    return false;
}

bool GvPlayerObject::isGravityObject() const {
    return false;
}

int GvPlayerObject::hitResponse() const {
    return exited ? 0 : 2;
}

int GvPlayerObject::blastResponse() const {
    return exited ? 0 : 2;
}
