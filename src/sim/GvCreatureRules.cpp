#include "sim/GvCreatureRules.h"

#include "sim/GvWorld.h"

bool GvCreatureRules::touchTest(GvWorld& world, int col, int row, GvObjectKind leave) {
    static constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (const auto& step : kSteps) {
        int c = col + step[0];
        int r = row + step[1];
        if (!world.wrapCoordinates(c, r))
            continue;
        const GvObjectKind kind = world.kindAt(c, r);
        // Amoeba counts only while the creature's own cell is unwritten in this tick.
        const bool triggers = kind == GvObjectKind::player || kind == GvObjectKind::voodoo_doll ||
                              (kind == GvObjectKind::amoeba && !world.isStamped(col, row));
        if (!triggers)
            continue;
        // Under the classic rules the doll's fate is sealed by the touch itself;
        // otherwise by the explosion that destroys it.
        if (kind == GvObjectKind::voodoo_doll && world.physics == GvPhysics::retro)
            world.player_must_die = true;
        world.explode(col, row, leave);
        return true;
    }
    return false;
}

bool GvCreatureRules::isOpen(const GvWorld& world, int col, int row, int dx, int dy) {
    int c = col + dx;
    int r = row + dy;
    if (!world.wrapCoordinates(c, r))
        return false;
    if (world.kindAt(c, r) != GvObjectKind::space)
        return false;
    return world.physics == GvPhysics::retro || !world.isStamped(c, r);
}
