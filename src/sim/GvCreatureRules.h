#pragma once

#include "sim/GvObjectKind.h"

class GvWorld;

// The rules fireflies and butterflies share: the touch test that makes a
// creature explode beside the player, the voodoo doll or amoeba, and the test
// of whether a step of its wall-following walk is open.
class GvCreatureRules {
public:
    // Looks at the four neighbours (left, up, right, down) of the creature at
    // (col, row); at the first that triggers it explodes the creature's block,
    // leaving `leave`, and returns true.
    static bool touchTest(GvWorld& world, int col, int row, GvObjectKind leave);
    // True when a step by (dx, dy) from (col, row) leads into space that may be
    // entered in this tick.
    static bool isOpen(const GvWorld& world, int col, int row, int dx, int dy);
};
