#pragma once

// One step of a demo: the input bits (1 up, 2 down, 4 left, 8 right, 16 snap,
// 0 wait) held for `count` ticks. Consecutive steps of a demo differ in `moves`.
struct GvDemoStep {
    int moves = 0;
    int count = 1;

    bool operator==(const GvDemoStep&) const = default;
};
