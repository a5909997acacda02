#pragma once

// The world's per-frame event flags; flag n asks for sound effect n. Fuse, amoeba
// and magic wall are looping sounds that stop when their flag is clear.
enum class GvWorldEvent : int {
    hatch = 0,
    step = 1,
    dig = 2,
    collect = 3,
    quota = 4,
    boulder = 5,
    diamond = 6,
    bomb = 7,
    fuse = 8,
    amoeba = 9,
    magic_wall = 10,
    explosion = 11,
    growing_wall = 12,
    // countdown_0 + s when s whole seconds of game time remain, s = 0..9.
    countdown_0 = 13,
    unused = 23,
};

constexpr int kWorldEventCount = 24;
