#pragma once

#include <memory>
#include <ostream>
#include <string>

class GvLevelPack;

// A level named on the command line: a level number from 0 (variant x cave count
// + cave index) or a level code such as A-1 or AB3 (letters in either case).
class PackLevel {
public:
    // The level number, or -1 with `error` set when the pack has no such level.
    static int parse(const GvLevelPack& pack, const std::string& argument, std::string& error);

    // PACK and LEVEL of a command, loaded and resolved alike for every command: a
    // pack that does not load is reported in the game's words (kPackExitFailed), a
    // level it lacks after "gravik-pack COMMAND: " (kPackExitUsage). Answers
    // kPackExitOk with `pack` and `level` set.
    static int load(const char* command, const std::string& packArgument,
                    const std::string& levelArgument, std::unique_ptr<GvLevelPack>& pack,
                    int& level, std::ostream& err);
};
