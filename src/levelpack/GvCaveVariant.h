#pragma once

#include "levelpack/GvCaveCommand.h"
#include "levelpack/GvDemoStep.h"

#include <cstdint>
#include <memory>
#include <vector>

// The parameters of one cave in one difficulty variant, the drawing commands
// that only this variant runs, and its demo. The readers fill the fields
// directly; the defaults are those of a cave that says nothing about them.
class GvCaveVariant {
public:
    GvCaveVariant() = default;
    GvCaveVariant(const GvCaveVariant&) = delete;
    GvCaveVariant& operator=(const GvCaveVariant&) = delete;

    // Appends a step, merging it into the last one when the input is the same,
    // so that consecutive steps always differ. Counts below 1 add nothing.
    void appendDemoStep(int moves, int count);

    // Copies every parameter from tick_rate to unpack_seed and the demo (not
    // `locked`, not the commands).
    void copyParametersFrom(const GvCaveVariant& other);

    bool locked = false;
    float tick_rate = 6.0f;
    int game_ticks = 720;
    int pre_game_ticks = 24;
    int diamond_quota = 1;
    int bomb_ticks = 4;
    int amoeba_size_limit = 200;
    std::uint8_t amoeba_slow_chance = 8;
    std::uint8_t amoeba_fast_chance = 64;
    int amoeba_slow_ticks = 360;
    int magic_wall_ticks = 120;
    int slime_permeability = 65536;
    int world_seed = 0;
    int unpack_seed = 0;
    std::vector<std::unique_ptr<GvCaveCommand>> commands;
    std::vector<GvDemoStep> demo;
};
