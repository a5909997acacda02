#pragma once

#include <memory>
#include <string>

class GvLevelPack;

// A level pack named on the command line: the path of a pack file, or @standard
// for the pack built into the program. Loading goes through the same entry point
// as the game, and a failure is described in exactly the words the game shows.
class PackSource {
public:
    static constexpr const char* kStandard = "@standard";
    static constexpr const char* kCorruptInstallation =
        "This installation of Gravik is corrupt.\nPlease install a fresh copy of Gravik.";

    // The loaded pack, or null with `error` set to the game's message.
    static std::unique_ptr<GvLevelPack> load(const std::string& argument, std::string& error);
};
