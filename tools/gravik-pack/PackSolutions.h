#pragma once

#include "platform/GvInputRecording.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class GvLevelPack;

// One line of a solutions file: the level and the input that completes it.
struct PackSolution {
    int line = 0;
    int level = -1;
    GvInputRecording moves;
};

// A solutions file kept beside a pack's source: one line "LEVEL MOVES" per
// recording, the level as a number or code, the moves in the demo syntax and
// possibly split by spaces. ';' starts a comment; blank lines are skipped.
class PackSolutions {
public:
    // Appends the file's solutions in order. False, with a message naming the file
    // and line, at the first line that cannot be used.
    static bool read(const std::string& path, const GvLevelPack& pack,
                     std::vector<PackSolution>& solutions, std::string& error);
    // Loads the one PACK among `positional` and, when `path` is not empty, its
    // solutions, for the named command of the tool. Messages go to `err`; returns
    // the tool's exit code to end with, or kPackExitOk to go on.
    static int loadPackWith(const char* command, const std::vector<std::string>& positional,
                            const std::string& path, std::ostream& err,
                            std::unique_ptr<GvLevelPack>& pack,
                            std::vector<PackSolution>& solutions);
};
