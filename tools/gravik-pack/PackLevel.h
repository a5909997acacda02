#pragma once

#include <string>

class GvLevelPack;

// A level named on the command line: a level number from 0 (variant x cave count
// + cave index) or a level code such as A-1 or AB3 (letters in either case).
class PackLevel {
public:
    // The level number, or -1 with `error` set when the pack has no such level.
    static int parse(const GvLevelPack& pack, const std::string& argument, std::string& error);
};
