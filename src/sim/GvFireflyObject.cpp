#include "sim/GvFireflyObject.h"

#include "sim/GvCreatureRules.h"
#include "sim/GvWorld.h"

GvFireflyObject::GvFireflyObject(int directionIndex) : direction(directionIndex) {
    setAngle(static_cast<float>(directionIndex) * 90.0f);
}

void GvFireflyObject::tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) {
    GvRollingObjectBase::tick(world, col, row, input, detached);
    applySpin();
    if (detached) {
        return;
    }
    if (GvCreatureRules::touchTest(world, col, row, GvObjectKind::space)) {
        return;
    }
    // A direction from outside the table is read modulo four.
    const int d = ((direction % 4) + 4) % 4;
    const int e = (d + 3) % 4;
    if (GvCreatureRules::isOpen(world, col, row, kSteps[d][0], kSteps[d][1])) {
        moveBy(world, col, row, kSteps[d][0], kSteps[d][1]);
        direction = (d + 1) % 4;
        setSpin(90.0f, angle_value + 90.0f);
        return;
    }
    if (GvCreatureRules::isOpen(world, col, row, kSteps[e][0], kSteps[e][1])) {
        moveBy(world, col, row, kSteps[e][0], kSteps[e][1]);
        direction = d;
        return;
    }
    direction = e;
    setSpin(-90.0f, angle_value - 90.0f);
    // Turning in place counts as acting in this cell.
    world.stampCell(col, row);
}

GvObjectKind GvFireflyObject::kind() const {
    return GvObjectKind::firefly;
}

bool GvFireflyObject::isDiggable() const {
    return false;
}

bool GvFireflyObject::isCollectable() const {
    return false;
}

bool GvFireflyObject::isPushable() const {
    return false;
}

bool GvFireflyObject::isRounded() const {
    return false;
}

bool GvFireflyObject::isGravityObject() const {
    return false;
}

int GvFireflyObject::hitResponse() const {
    return 2;
}

int GvFireflyObject::blastResponse() const {
    return 2;
}
