#include "sim/GvSlimeObject.h"

#include "sim/GvBoulderObject.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvWorld.h"

#include <memory>

// A look-alike of a boulder or diamond, drawn sinking into the slime while the
// original comes out below.
static std::unique_ptr<GvObject> copyOf(const GvObject& object) {
    if (const auto* boulder = dynamic_cast<const GvBoulderObject*>(&object)) {
        return std::make_unique<GvBoulderObject>(*boulder);
    }
    if (const auto* diamond = dynamic_cast<const GvDiamondObject*>(&object)) {
        return std::make_unique<GvDiamondObject>(*diamond);
    }
    return nullptr;
}

void GvSlimeObject::tick(GvWorld& world, int col, int row, GvInputBits, bool detached) {
    if (detached) {
        return;
    }
    int aboveCol = col;
    int aboveRow = row - 1;
    int belowCol = col;
    int belowRow = row + 1;
    if (!world.wrapCoordinates(aboveCol, aboveRow) || !world.wrapCoordinates(belowCol, belowRow)) {
        return;
    }
    if (world.kindAt(belowCol, belowRow) != GvObjectKind::space) {
        return;
    }
    // The draw is made whether or not anything rests on the slime.
    if (static_cast<int>(world.random.next() & 0xffffu) >= world.slime_permeability) {
        return;
    }
    if (world.physics != GvPhysics::retro &&
        (world.isStamped(aboveCol, aboveRow) || world.isStamped(belowCol, belowRow))) {
        return;
    }
    const GvObject* above = world.cellAt(aboveCol, aboveRow);
    const GvObjectKind kind = above->kind();
    if (above->isFalling() || (kind != GvObjectKind::boulder && kind != GvObjectKind::diamond)) {
        return;
    }
    std::unique_ptr<GvObject> copy = copyOf(*above);
    std::unique_ptr<GvObject> object = world.takeObject(aboveCol, aboveRow);
    if (copy) {
        copy->setShiftX(0.0f, 0.0f);
        copy->setShiftY(-1.0f, 1.0f);
        world.addVanishing(std::move(copy), col, row, 0);
    }
    object->setFalling(true);
    object->setShiftX(0.0f, 0.0f);
    object->setShiftY(-1.0f, 1.0f);
    world.placeObject(belowCol, belowRow, std::move(object));
}

GvObjectKind GvSlimeObject::kind() const {
    return GvObjectKind::slime;
}

bool GvSlimeObject::isDiggable() const {
    return false;
}

bool GvSlimeObject::isCollectable() const {
    return false;
}

bool GvSlimeObject::isPushable() const {
    return false;
}

bool GvSlimeObject::isRounded() const {
    return false;
}

bool GvSlimeObject::isGravityObject() const {
    return false;
}

int GvSlimeObject::hitResponse() const {
    return 0;
}

int GvSlimeObject::blastResponse() const {
    return 2;
}
