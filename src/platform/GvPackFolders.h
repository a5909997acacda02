#pragma once

#include <string>
#include <vector>

// The folders the game takes level pack files from: the program's own folder, the
// player's "Packs" folder beside the statistics in the per-user data folder, and the
// installed data folder that system-wide packs go to. Folder names end in '/'.
class GvPackFolders {
public:
    // All three, in that order, each once: folders that are the same place (by their
    // resolved names) are listed only the first time.
    static std::vector<std::string> all();

    // <per-user data folder>/Packs/; not created here.
    static std::string user();

    // <prefix>/share/gravik/packs/ of the installation the program runs from: beside
    // the program's "bin" folder when it lives in one, else the prefix it was built for.
    static std::string installed();

    // The installed folder for a program in `programFolder`, with `builtPrefix` as the
    // fallback prefix (both ending in '/').
    static std::string installedFor(const std::string& programFolder,
                                    const std::string& builtPrefix);
};
