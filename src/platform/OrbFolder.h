#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Folder listing, file information and folder creation: the file-system questions that
// pack discovery and the per-user stores ask, kept here so that the layers above stay
// free of file-system calls. Folder paths end in '/'.
class OrbFolder {
public:
    struct FileInfo {
        bool isFolder = false;
        // False for folders and for pipes, sockets and devices, which may block or
        // never end when read.
        bool isRegularFile = false;
        std::int64_t size = 0;
        // Modification time in nanoseconds since the epoch; only compared for equality.
        std::int64_t modified = 0;
    };

    // The names in `folder` (without "." and ".."), in the order the file system lists
    // them; empty when the folder cannot be read.
    static std::vector<std::string> list(const std::string& folder);

    // Size, time and kind of the file or folder at `path` (links followed); none when
    // it cannot be read.
    static std::optional<FileInfo> info(const std::string& path);

    // Creates each '/'-terminated prefix of `folder` that does not exist yet. Stops
    // silently at a prefix that is not a folder or cannot be created; returns whether
    // the whole folder exists afterwards.
    static bool createPath(const std::string& folder);

    // The absolute name of `path` with every link, "." and ".." resolved (a folder
    // keeps its final '/'); none when it does not exist or cannot be resolved. Two
    // names of the same file resolve to the same text.
    static std::optional<std::string> canonicalPath(const std::string& path);
};
