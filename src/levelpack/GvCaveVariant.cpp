#include "levelpack/GvCaveVariant.h"

#include <climits>

void GvCaveVariant::appendDemoStep(int moves, int count) {
    if (count < 1) {
        return;
    }
    if (!demo.empty() && demo.back().moves == moves) {
        // Saturate rather than overflow: a demo that long cannot finish anyway.
        GvDemoStep& last = demo.back();
        last.count = count > INT_MAX - last.count ? INT_MAX : last.count + count;
        return;
    }
    demo.push_back(GvDemoStep{moves, count});
}

void GvCaveVariant::copyParametersFrom(const GvCaveVariant& other) {
    tick_rate = other.tick_rate;
    game_ticks = other.game_ticks;
    pre_game_ticks = other.pre_game_ticks;
    diamond_quota = other.diamond_quota;
    bomb_ticks = other.bomb_ticks;
    amoeba_size_limit = other.amoeba_size_limit;
    amoeba_slow_chance = other.amoeba_slow_chance;
    amoeba_fast_chance = other.amoeba_fast_chance;
    amoeba_slow_ticks = other.amoeba_slow_ticks;
    magic_wall_ticks = other.magic_wall_ticks;
    slime_permeability = other.slime_permeability;
    world_seed = other.world_seed;
    unpack_seed = other.unpack_seed;
    demo = other.demo;
}
