#pragma once

#include "PackSolutions.h"

#include <string>
#include <vector>

class GvLevelPack;

// The figures that tell how hard a level asks the player to work: what it wants,
// what lies in it, and how much of its time a stored solution needs. Level
// designers read them to keep a pack's difficulty where they meant it.
struct PackLevelStats {
    int level = -1;
    std::string code;
    int quota = 0;
    // Diamonds standing in the cave when it starts.
    int diamonds = 0;
    // Butterflies, and the diamonds their explosions would leave where they start
    // (the destructible cells of each 3 x 3 block).
    int butterflies = 0;
    int butterflyDiamonds = 0;
    int ticksGiven = 0;
    // Ticks of play the solution takes to complete the level; -1 without one.
    int ticksUsed = -1;

    // The diamonds there are to be had without growing or converting anything else.
    int reachable() const { return diamonds + butterflyDiamonds; }
    // The share of the given time the solution uses, from 0 to 1; 0 without one.
    double timeShare() const {
        return ticksUsed < 0 || ticksGiven <= 0 ? 0.0 : static_cast<double>(ticksUsed) / ticksGiven;
    }
};

class PackStats {
public:
    // One record per level of the pack in level order. A solution that does not
    // complete its level leaves ticksUsed at -1. False, with `error` set, when a
    // level cannot be built or played.
    static bool collect(const GvLevelPack& pack, const std::vector<PackSolution>& solutions,
                        std::vector<PackLevelStats>& stats, std::string& error);
};
