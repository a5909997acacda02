#include "sim/GvCreatureRules.h"

#include "sim/GvWorld.h"

bool GvCreatureRules::touchTest(GvWorld& world, int col, int row, GvObjectKind leave) {
    static constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (const auto& step : kSteps) {
        const int i = world.neighbourIndex(col, row, step[0], step[1]);
        if (i < 0) {
            continue;
        }
        const GvObjectKind kind = world.kindAtIndex(i);
        // Amoeba counts only while the creature's own cell is unwritten in this tick.
        const bool triggers = kind == GvObjectKind::player || kind == GvObjectKind::voodoo_doll ||
                              (kind == GvObjectKind::amoeba && !world.isStamped(col, row));
        if (!triggers) {
            continue;
        }
        // Under the classic rules the doll's fate is sealed by the touch itself;
        // otherwise by the explosion that destroys it.
        if (kind == GvObjectKind::voodoo_doll && world.physics == GvPhysics::retro) {
            world.player_must_die = true;
        }
        world.explode(col, row, leave);
        return true;
    }
    return false;
}

bool GvCreatureRules::isOpen(const GvWorld& world, int col, int row, int dx, int dy) {
    return world.isOpenSpace(col, row, dx, dy, world.physics == GvPhysics::retro);
}
