#include "sim/GvButterflyObject.h"

#include "sim/GvCreatureRules.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cmath>

void GvButterflyObject::tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) {
    GvMovingObjectBase::tick(world, col, row, input, detached);
    if (detached) {
        return;
    }
    if (GvCreatureRules::touchTest(world, col, row, GvObjectKind::diamond)) {
        return;
    }
    // A direction from outside the table is read modulo four.
    const int d = ((direction % 4) + 4) % 4;
    const int e = (d + 1) % 4;
    if (GvCreatureRules::isOpen(world, col, row, kSteps[d][0], kSteps[d][1])) {
        moveBy(world, col, row, kSteps[d][0], kSteps[d][1]);
        direction = (d + 3) % 4;
        return;
    }
    if (GvCreatureRules::isOpen(world, col, row, kSteps[e][0], kSteps[e][1])) {
        moveBy(world, col, row, kSteps[e][0], kSteps[e][1]);
        direction = d;
        return;
    }
    direction = e;
    // Turning in place counts as acting in this cell.
    world.stampCell(col, row);
}

void GvButterflyObject::animate(GvWorld& world, float tickDelta, float seconds) {
    GvMovingObjectBase::animate(world, tickDelta, seconds);
    float phase = std::fmod(flutter_phase + seconds * flutter_rate, 1.0f);
    if (phase < 0.0f) {
        phase += 1.0f;
    }
    // Rounding (or a non-finite rate) must not leave the phase outside [0, 1).
    flutter_phase = (phase >= 0.0f && phase < 1.0f) ? phase : 0.0f;
    animating = true;
}

float GvButterflyObject::wingOpening() const {
    if (flutter_phase >= 0.7f) {
        return 0.0f;
    }
    const float open =
        flutter_phase <= 0.35f ? flutter_phase / 0.35f : 2.0f - flutter_phase / 0.35f;
    return std::clamp(open, 0.0f, 1.0f);
}

void GvButterflyObject::randomizeLook(GvGamePlayRandomStream& cosmeticRandom) {
    flutter_phase = cosmeticRandom.nextUnit();
    flutter_rate = cosmeticRandom.nextUnit() * 0.4f + 1.6f;
}

GvObjectKind GvButterflyObject::kind() const {
    return GvObjectKind::butterfly;
}

bool GvButterflyObject::isDiggable() const {
    return false;
}

bool GvButterflyObject::isCollectable() const {
    return false;
}

bool GvButterflyObject::isPushable() const {
    return false;
}

bool GvButterflyObject::isRounded() const {
    return false;
}

bool GvButterflyObject::isGravityObject() const {
    return false;
}

int GvButterflyObject::hitResponse() const {
    return 3;
}

int GvButterflyObject::blastResponse() const {
    return 2;
}
