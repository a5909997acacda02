#include "sim/GvInBoxObject.h"

#include "sim/GvPlayerObject.h"
#include "sim/GvWorld.h"

void GvInBoxObject::tick(GvWorld& world, int col, int row, GvInputBits, bool detached) {
    flash = (world.tick_count + col + row) % 2 == 0;
    if (detached) {
        return;
    }
    if (world.state == GvWorldState::Playing) {
        // The box fades out beneath a player that fades in over one tick; the
        // placed player is stamped, so it first acts in the next tick.
        world.removeWithFade(col, row);
        auto player = std::make_unique<GvPlayerObject>();
        player->fadeTo(0.0f, 0.0f);
        player->fadeTo(1.0f, 1.0f);
        world.placeObject(col, row, std::move(player));
        world.raiseEvent(GvWorldEvent::hatch);
    }
    world.player_col = col;
    world.player_row = row;
}

GvObjectKind GvInBoxObject::kind() const {
    return GvObjectKind::in_box;
}

bool GvInBoxObject::isDiggable() const {
    return false;
}

bool GvInBoxObject::isCollectable() const {
    return false;
}

bool GvInBoxObject::isPushable() const {
    return false;
}

bool GvInBoxObject::isRounded() const {
    return false;
}

bool GvInBoxObject::isGravityObject() const {
    return false;
}

int GvInBoxObject::hitResponse() const {
    return 0;
}

int GvInBoxObject::blastResponse() const {
    return 0;
}
