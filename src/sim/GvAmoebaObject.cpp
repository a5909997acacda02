#include "sim/GvAmoebaObject.h"

#include "sim/GvObjectFactory.h"
#include "sim/GvWorld.h"

#include <memory>

void GvAmoebaObject::tick(GvWorld& world, int col, int row, GvInputBits, bool detached) {
    finishClip();
    if (detached) {
        return;
    }
    if (world.amoeba_fate != GvObjectKind::amoeba) {
        const GvObjectKind fate = world.amoeba_fate;
        // Stamped first, so the removal below gives this amoeba no extra tick.
        world.stampCell(col, row);
        std::unique_ptr<GvObject> converted = createObjectOfKind(fate);
        converted->randomizeLook(world.cosmetic_random);
        converted->fadeTo(0.0f, 0.0f);
        converted->fadeTo(1.0f, 1.0f);
        // This amoeba lives on in the vanish list until the next tick.
        world.removeWithFade(col, row);
        world.placeObject(col, row, std::move(converted));
        return;
    }
    if (static_cast<int>(world.random.next() & 0xffu) >= static_cast<int>(world.amoeba_chance)) {
        return;
    }
    const int direction = static_cast<int>(world.random.next() & 3u);
    const int dx = kSteps[direction][0];
    const int dy = kSteps[direction][1];
    int c = col + dx;
    int r = row + dy;
    if (!world.wrapCoordinates(c, r) || world.isStamped(c, r)) {
        return;
    }
    const GvObjectKind target = world.kindAt(c, r);
    if (target == GvObjectKind::dirt) {
        std::unique_ptr<GvObject> dirt = world.takeObject(c, r);
        dirt->shrinkToward(dx, dy);
        world.addVanishing(std::move(dirt), c, r, 0);
    } else if (target != GvObjectKind::space) {
        return;
    }
    auto grown = std::make_unique<GvAmoebaObject>();
    // New pieces keep the colour the cave gave the amoeba.
    grown->setStyle(style());
    grown->growFrom(dx, dy);
    world.placeObject(c, r, std::move(grown));
}

GvObjectKind GvAmoebaObject::kind() const {
    return GvObjectKind::amoeba;
}

bool GvAmoebaObject::isDiggable() const {
    return false;
}

bool GvAmoebaObject::isCollectable() const {
    return false;
}

bool GvAmoebaObject::isPushable() const {
    return false;
}

bool GvAmoebaObject::isRounded() const {
    return false;
}

bool GvAmoebaObject::isGravityObject() const {
    return false;
}

int GvAmoebaObject::hitResponse() const {
    return 0;
}

int GvAmoebaObject::blastResponse() const {
    return 2;
}
