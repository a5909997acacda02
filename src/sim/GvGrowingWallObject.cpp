#include "sim/GvGrowingWallObject.h"

#include "sim/GvWorld.h"

#include <memory>

void GvGrowingWallObject::tick(GvWorld& world, int col, int row, GvInputBits, bool detached) {
    finishClip();
    if (detached) {
        return;
    }
    // dx, dy and the mask bit that allows the step.
    static constexpr int kSteps[4][3] = {{0, -1, 1}, {0, 1, 1}, {-1, 0, 2}, {1, 0, 2}};
    bool blocked = true;
    for (const auto& step : kSteps) {
        if ((mask & step[2]) == 0) {
            continue;
        }
        const int i = world.neighbourIndex(col, row, step[0], step[1]);
        if (i < 0 || world.kindAtIndex(i) != GvObjectKind::space) {
            continue;
        }
        // Space written in this tick is taken at the next one.
        if (world.isStampedIndex(i)) {
            blocked = false;
            continue;
        }
        int c = col + step[0];
        int r = row + step[1];
        world.wrapCoordinates(c, r);
        auto piece = std::make_unique<GvGrowingWallObject>(mask);
        piece->setStyle(style());
        piece->growFrom(step[0], step[1]);
        world.placeObject(c, r, std::move(piece));
        world.raiseEvent(GvWorldEvent::growing_wall);
    }
    // Until space appears next to it, which writes a neighbour, the wall has
    // nothing to do.
    if (blocked) {
        world.restUntilNearbyWrite(col, row);
    }
}

GvObjectKind GvGrowingWallObject::kind() const {
    return GvObjectKind::growing_wall;
}

bool GvGrowingWallObject::isDiggable() const {
    return false;
}

bool GvGrowingWallObject::isCollectable() const {
    return false;
}

bool GvGrowingWallObject::isPushable() const {
    return false;
}

bool GvGrowingWallObject::isRounded() const {
    return false;
}

bool GvGrowingWallObject::isGravityObject() const {
    return false;
}

int GvGrowingWallObject::hitResponse() const {
    return 0;
}

int GvGrowingWallObject::blastResponse() const {
    return 2;
}
