#include "sim/GvFallingObjectBase.h"

#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvWorld.h"

bool GvFallingObjectBase::canFall(const GvWorld& world, int col, int row, int dx) {
    // Under retro physics a cell freed in this tick can be entered at once.
    const bool retro = world.physics == GvPhysics::retro;
    if (dx != 0 && !world.isOpenSpace(col, row, dx, 0, retro)) {
        return false;
    }
    return world.isOpenSpace(col, row, dx, 1, retro);
}

void GvFallingObjectBase::tick(GvWorld& world, int col, int row, GvInputBits, bool detached) {
    setShiftX(0.0f, 0.0f);
    setShiftY(0.0f, 0.0f);
    applySpin();
    if (detached) {
        return;
    }
    if (beforeFall(world, col, row)) {
        return;
    }

    int belowCol = col;
    int belowRow = row + 1;
    const bool belowExists = world.wrapCoordinates(belowCol, belowRow);
    if (canFall(world, col, row, 0)) {
        moveBy(world, col, row, 0, 1);
        if (!falling) {
            setFalling(true);
            world.raiseEvent(fallEvent());
        }
        afterFall(world);
        return;
    }

    const GvObject* below = belowExists ? world.cellAt(belowCol, belowRow) : nullptr;
    if (falling && below != nullptr &&
        world.kindAt(belowCol, belowRow) == GvObjectKind::magic_wall &&
        magicWallKind() != GvObjectKind::space) {
        passMagicWall(world, col, row, belowCol, belowRow);
        return;
    }

    const bool wasFalling = falling;
    if (falling) {
        landed(world);
    }
    bool rolled = false;
    if (below != nullptr && below->isRounded()) {
        for (int dx : {-1, 1}) {
            if (canFall(world, col, row, dx)) {
                moveBy(world, col, row, dx, 0);
                setFalling(true);
                world.raiseEvent(fallEvent());
                rolled = true;
                break;
            }
        }
    }
    if (!rolled && falling) {
        setFalling(false);
        world.raiseEvent(fallEvent());
    }
    // The strike may explode this very cell: the object then lives on in a
    // vanish list until the next tick, so its members stay valid below.
    if (wasFalling && belowExists) {
        strike(world, belowCol, belowRow);
    }
    afterFall(world);
}

void GvFallingObjectBase::strike(GvWorld& world, int col, int row) {
    GvObject* target = world.cellAt(col, row);
    switch (target->hitResponse()) {
    case 1:
        target->ignite(world);
        break;
    case 2:
        world.explode(col, row, GvObjectKind::space);
        break;
    case 3:
        world.explode(col, row, GvObjectKind::diamond);
        break;
    default:
        break;
    }
}

void GvFallingObjectBase::passMagicWall(GvWorld& world, int col, int row, int wallCol,
                                        int wallRow) {
    const GvObjectKind converted = magicWallKind();
    // The object sinks into the wall and is dropped at the next tick.
    std::unique_ptr<GvObject> self = world.takeObject(col, row);
    setShiftX(0.0f, 0.0f);
    setShiftY(-1.0f, 1.0f);
    world.addVanishing(std::move(self), wallCol, wallRow, 0);

    if (world.magic_wall_state == 0) {
        world.magic_wall_state = 1;
        world.magic_wall_end = world.tick_count + world.magic_wall_ticks;
    }
    if (world.magic_wall_state == 1) {
        int outCol = col;
        int outRow = row + 2;
        if (world.wrapCoordinates(outCol, outRow) &&
            world.kindAt(outCol, outRow) == GvObjectKind::space &&
            (world.physics == GvPhysics::retro || !world.isStamped(outCol, outRow))) {
            std::unique_ptr<GvObject> emitted = createObjectOfKind(converted);
            emitted->randomizeLook(world.cosmetic_random);
            emitted->setFalling(true);
            emitted->setShiftX(0.0f, 0.0f);
            emitted->setShiftY(-1.0f, 1.0f);
            world.placeObject(outCol, outRow, std::move(emitted));
        }
    }
    // The sound of what the wall makes, whether or not anything came out.
    world.raiseEvent(converted == GvObjectKind::diamond ? GvWorldEvent::diamond
                                                        : GvWorldEvent::boulder);
}

GvObjectKind GvFallingObjectBase::magicWallKind() const {
    return GvObjectKind::space;
}

bool GvFallingObjectBase::beforeFall(GvWorld&, int, int) {
    return false;
}

void GvFallingObjectBase::landed(GvWorld&) {}

void GvFallingObjectBase::afterFall(GvWorld&) {}

void GvFallingObjectBase::moveBy(GvWorld& world, int col, int row, int dx, int dy) {
    GvRollingObjectBase::moveBy(world, col, row, dx, dy);
    if (dx < 0) {
        setSpin(kRollDegrees, angle_value + kRollDegrees);
    } else if (dx > 0) {
        setSpin(-kRollDegrees, angle_value - kRollDegrees);
    }
}

void GvFallingObjectBase::setFalling(bool value) {
    falling = value;
}

bool GvFallingObjectBase::isFalling() const {
    return falling;
}

void GvFallingObjectBase::randomizeLook(GvGamePlayRandomStream& cosmeticRandom) {
    setAngle(cosmeticRandom.nextUnit() * 360.0f);
}
