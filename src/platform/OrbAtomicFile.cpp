#include "platform/OrbAtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

OrbAtomicFile::ReadStatus OrbAtomicFile::read(const std::string& path, std::string& bytes) {
    bytes.clear();
    // Non-blocking so that a pipe in the file's place is refused instead of waited on;
    // regular files read the same either way.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadStatus::Failed;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(fd);
            bytes.clear();
            return ReadStatus::Failed;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return ReadStatus::Read;
}

bool OrbAtomicFile::write(const std::string& path, const void* data, std::size_t size) {
    if (path.empty() || path.back() == '/') {
        return false;
    }
    // The temporary file must live in the target's folder: rename is atomic only
    // within one file system.
    const std::size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string tempName = folder + "." + base + ".XXXXXX";
    std::vector<char> templ(tempName.begin(), tempName.end());
    templ.push_back('\0');
    const int fd = ::mkostemp(templ.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    tempName.assign(templ.data());

    bool ok = true;
    const char* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (ok && done < size) {
        const ssize_t put = ::write(fd, bytes + done, size - done);
        if (put < 0) {
            ok = errno == EINTR;
        } else if (put == 0) {
            ok = false;
        } else {
            done += static_cast<std::size_t>(put);
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tempName.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
    }
    return ok;
}
