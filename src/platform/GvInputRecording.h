#pragma once

#include <vector>

// Input bits of one tick: a direction (up 1, down 2, left 4, right 8), optionally
// with snap 16 (act on the neighbour without moving), or 0 for no input.
using GvInputBits = int;

constexpr GvInputBits kInputUp = 1;
constexpr GvInputBits kInputDown = 2;
constexpr GvInputBits kInputLeft = 4;
constexpr GvInputBits kInputRight = 8;
constexpr GvInputBits kInputSnap = 16;

// One run of a recording: the same input held for `count` consecutive ticks.
struct GvInputRun {
    GvInputBits moves = 0;
    int count = 0;

    bool operator==(const GvInputRun&) const = default;
};

// A run-length list of the input of every tick; adjacent runs differ. The world
// records one while it is played and consumes one when it replays.
using GvInputRecording = std::vector<GvInputRun>;
