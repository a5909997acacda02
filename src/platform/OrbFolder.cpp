#include "platform/OrbFolder.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>

std::vector<std::string> OrbFolder::list(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    return names;
}

std::optional<OrbFolder::FileInfo> OrbFolder::info(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    FileInfo result;
    result.isFolder = S_ISDIR(st.st_mode);
    result.isRegularFile = S_ISREG(st.st_mode);
    result.size = static_cast<std::int64_t>(st.st_size);
    result.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 +
                      static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return result;
}

bool OrbFolder::createPath(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        struct stat st {};
        if (::stat(prefix.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)) {
                return false;
            }
            continue;
        }
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
            return false;
        }
    }
    const std::optional<FileInfo> last = info(folder.empty() ? "." : folder);
    return last && last->isFolder;
}

std::optional<std::string> OrbFolder::canonicalPath(const std::string& path) {
    char* real = ::realpath(path.empty() ? "." : path.c_str(), nullptr);
    if (real == nullptr) {
        return std::nullopt;
    }
    std::string result = real;
    std::free(real);
    if (!path.empty() && path.back() == '/' && result.back() != '/') {
        result.push_back('/');
    }
    return result;
}
