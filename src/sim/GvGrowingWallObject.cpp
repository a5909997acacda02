#include "sim/GvGrowingWallObject.h"

#include "sim/GvWorld.h"

#include <memory>

void GvGrowingWallObject::tick(GvWorld& world, int col, int row, GvInputBits, bool detached) {
    finishClip();
    if (detached)
        return;
    // dx, dy and the mask bit that allows the step.
    static constexpr int kSteps[4][3] = {{0, -1, 1}, {0, 1, 1}, {-1, 0, 2}, {1, 0, 2}};
    for (const auto& step : kSteps) {
        if ((mask & step[2]) == 0)
            continue;
        if (!world.isOpenSpace(col, row, step[0], step[1], false))
            continue;
        int c = col + step[0];
        int r = row + step[1];
        world.wrapCoordinates(c, r);
        auto piece = std::make_unique<GvGrowingWallObject>(mask);
        piece->setStyle(style());
        piece->growFrom(step[0], step[1]);
        world.placeObject(c, r, std::move(piece));
        world.raiseEvent(GvWorldEvent::growing_wall);
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
