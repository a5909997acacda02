#pragma once

#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Rows of a picture joined the way GvWorldText::format writes them.
inline std::string pic(std::initializer_list<std::string_view> rows) {
    std::string text;
    for (std::string_view row : rows) {
        text += row;
        text += '\n';
    }
    return text;
}

// Shared by the object tests: a cave from a picture that plays at once (no
// waiting before play, no time limit in reach) and runs one tick per step.
inline void makeCave(GvWorld& world, std::string_view picture,
                     GvPhysics physics = GvPhysics::gravik_1, GvWrapMode wrap = GvWrapMode::none) {
    GvWorldText::parse(world, picture, wrap);
    world.physics = physics;
    world.tick_rate = 1.0f;
    world.pre_game_ticks = 0;
    world.game_ticks = 100000;
    world.amoeba_size_limit = 1000;
}

// The cave as a picture.
inline std::string text(const GvWorld& world) {
    return GvWorldText::format(world);
}

// Runs whole ticks (with their animation) and returns the picture afterwards.
inline std::string stepCave(GvWorld& world, int ticks = 1) {
    world.tick_rate = 1.0f;
    for (int i = 0; i < ticks; ++i)
        world.advance(1.0);
    return text(world);
}

inline const char* physicsName(GvPhysics physics) {
    return physics == GvPhysics::retro ? "retro" : "gravik_1";
}
