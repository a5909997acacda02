#include "game/GvCommandLine.h"

namespace {

GvCommandLine failure(const std::string& reason) {
    GvCommandLine line;
    line.action = GvCommandLine::Action::Error;
    line.error = reason;
    return line;
}

} // namespace

GvCommandLine GvCommandLine::parse(const std::vector<std::string>& words) {
    GvCommandLine line;
    bool help = false;
    bool version = false;
    bool placementGiven = false;
    bool optionsEnded = false;
    for (const std::string& word : words) {
        const bool option = !optionsEnded && word.size() > 1 && word[0] == '-';
        if (!option) {
            if (word.empty()) {
                return failure("an empty pack file name");
            }
            if (!line.packFile.empty()) {
                return failure("only one pack file can be given, not also '" + word + "'");
            }
            line.packFile = word;
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help") {
            help = true;
        } else if (word == "--version") {
            version = true;
        } else if (word == "--fullscreen" || word == "--windowed") {
            const Placement wanted =
                word == "--fullscreen" ? Placement::FullScreen : Placement::Windowed;
            if (placementGiven && wanted != line.placement) {
                return failure("--fullscreen and --windowed cannot be used together");
            }
            placementGiven = true;
            line.placement = wanted;
        } else {
            return failure("unknown option '" + word + "'");
        }
    }
    if (help) {
        line.action = Action::Help;
    } else if (version) {
        line.action = Action::Version;
    }
    return line;
}

std::string GvCommandLine::usage() {
    return "Usage: gravik [--fullscreen | --windowed] [PACKFILE]\n"
           "       gravik --help | --version\n";
}

std::string GvCommandLine::help(const std::vector<std::string>& packFolders,
                                const std::string& userPackFolder, const std::string& settingsFile,
                                const std::string& statisticsFolder) {
    std::string text = usage();
    text += "\n"
            "Gravik is a cave game: dig, collect the diamonds and reach the exit in time.\n"
            "With PACKFILE (a .grv or .bd level pack) the game starts with that pack\n"
            "chosen.\n"
            "\n"
            "Options:\n"
            "  --fullscreen  start in full screen (for this run only)\n"
            "  --windowed    start in a window (for this run only)\n"
            "  --help        show this help and exit\n"
            "  --version     show the version and exit\n"
            "\n"
            "Level packs are listed from these folders:\n";
    for (const std::string& folder : packFolders) {
        text += "  " + folder + "\n";
    }
    text += "Put your own packs in " + userPackFolder + "\n";
    text += "\nSettings:   " + (settingsFile.empty() ? std::string("(none)") : settingsFile) + "\n";
    text += "Statistics: " + statisticsFolder + "\n";
    return text;
}
