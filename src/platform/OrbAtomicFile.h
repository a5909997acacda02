#pragma once

#include <cstddef>
#include <string>

// Whole-file reading and replacing for small per-user files (settings, statistics).
// A replacement is written to a temporary file in the same folder and renamed over the
// old file only after every byte reached the disk, so a crash, a full disk or a quota
// leaves either the old content or the new one, never a mixture.
class OrbAtomicFile {
public:
    enum class ReadStatus { Read, Missing, Failed };

    // Reads the whole file into `bytes`. Missing means there is no such file; Failed
    // means it exists but could not be read (a folder, no permission, an I/O error).
    static ReadStatus read(const std::string& path, std::string& bytes);

    // Replaces the file at `path` by `size` bytes. Returns false, and leaves any
    // previous file untouched, when the new content could not be stored completely.
    static bool write(const std::string& path, const void* data, std::size_t size);
};
