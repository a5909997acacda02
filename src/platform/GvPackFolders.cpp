#include "platform/GvPackFolders.h"

#include "platform/GvProductNames.h"
#include "platform/OrbFolder.h"
#include "platform/OrbPaths.h"

#include <algorithm>

#ifndef GRAVIK_INSTALL_PREFIX
#define GRAVIK_INSTALL_PREFIX "/usr/local"
#endif

std::vector<std::string> GvPackFolders::all() {
    std::vector<std::string> folders;
    std::vector<std::string> places;
    for (const std::string& folder : {programFolder(), user(), installed()}) {
        // A folder that cannot be resolved (not there yet) is compared by its name.
        const std::string place = OrbFolder::canonicalPath(folder).value_or(folder);
        if (std::find(places.begin(), places.end(), place) == places.end()) {
            places.push_back(place);
            folders.push_back(folder);
        }
    }
    return folders;
}

std::string GvPackFolders::user() {
    return userDataFolder(kGvVendorName, kGvProductName) + "Packs/";
}

std::string GvPackFolders::installed() {
    std::string prefix = GRAVIK_INSTALL_PREFIX;
    if (prefix.empty() || prefix.back() != '/') {
        prefix.push_back('/');
    }
    return installedFor(programFolder(), prefix);
}

std::string GvPackFolders::installedFor(const std::string& programFolder,
                                        const std::string& builtPrefix) {
    // An installation moved to another prefix (or installed with a different one than
    // it was built for) still finds its own packs.
    const std::string bin = "/bin/";
    std::string prefix = builtPrefix;
    if (programFolder.size() >= bin.size() &&
        programFolder.compare(programFolder.size() - bin.size(), bin.size(), bin) == 0) {
        prefix = programFolder.substr(0, programFolder.size() - bin.size() + 1);
    }
    return prefix + "share/gravik/packs/";
}
