#include "platform/OrbPaths.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace {

void endWithSlash(std::string& folder) {
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
}

} // namespace

std::string programFolder() {
    std::string folder;
    if (char* real = realpath("/proc/self/exe", nullptr)) {
        folder = real;
        std::free(real);
    }
    const std::size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    if (folder.empty()) {
        folder = ".";
    }
    endWithSlash(folder);
    return folder;
}

std::string userDataFolder(const std::string& vendor, const std::string& product) {
    std::string folder;
    // Relative values are to be ignored by the base-directory rules: they would make
    // the data follow the current folder.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        folder = dataHome;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        folder = home;
        endWithSlash(folder);
        folder += ".local/share";
    } else {
        folder = ".";
    }
    endWithSlash(folder);
    folder += vendor + "/" + product + "/";
    return folder;
}

std::string fileNamePart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string absolutePath(const std::string& path) {
    if (path.empty() || path[0] == '/') {
        return path;
    }
    char* current = getcwd(nullptr, 0);
    if (current == nullptr) {
        return path;
    }
    std::string folder = current;
    std::free(current);
    endWithSlash(folder);
    return folder + (path.rfind("./", 0) == 0 ? path.substr(2) : path);
}
