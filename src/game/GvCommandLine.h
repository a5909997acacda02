#pragma once

#include <string>
#include <vector>

// What the player asked for on the command line: play (perhaps with a pack file
// chosen and a window placement for this run only), the help text, the version, or
// nothing sensible (with a one-line reason). Only reads the words; the caller acts.
class GvCommandLine {
public:
    enum class Action { Play, Help, Version, Error };
    enum class Placement { Stored, FullScreen, Windowed };

    static constexpr const char* kVersionText = "Gravik 3.1.0";

    // The words after the program's name.
    static GvCommandLine parse(const std::vector<std::string>& words);

    // The usage lines, ending in a line feed.
    static std::string usage();
    // The full help: usage, options, the folders packs are read from (in order), the
    // settings file and the statistics folder.
    static std::string help(const std::vector<std::string>& packFolders,
                            const std::string& userPackFolder, const std::string& settingsFile,
                            const std::string& statisticsFolder);

    Action action = Action::Play;
    Placement placement = Placement::Stored;
    std::string packFile;
    // Why the words make no sense; set with Action::Error.
    std::string error;
};
