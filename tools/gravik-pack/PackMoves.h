#pragma once

#include "levelpack/GvDemoStep.h"
#include "platform/GvInputRecording.h"

#include <string>
#include <string_view>
#include <vector>

// Player input written as in the demos of the text format: a move letter followed
// by a repeat count of at least 1, e.g. ".24r5d3R1". The letters are '.' wait,
// u d l r for the four directions and U D L R for snapping in them. White space
// between steps is allowed so that long inputs can be split.
class PackMoves {
public:
    // False, with `error` naming the position (from 1), when the text is not in
    // this syntax. Steps with the same input are joined into one run.
    static bool parse(std::string_view text, GvInputRecording& moves, std::string& error);
    static GvInputRecording fromDemo(const std::vector<GvDemoStep>& demo);
    // The input written back in the same syntax.
    static std::string format(const GvInputRecording& moves);
    // The number of ticks the input lasts.
    static long long tickCount(const GvInputRecording& moves);
};
