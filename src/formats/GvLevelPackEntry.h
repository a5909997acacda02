#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One row of the level-pack chooser: the built-in pack or a pack file in one of the
// pack folders, with the header texts read from it. Size and time identify an unchanged file
// so that a rescan can reuse the entry without reading the file again.
struct GvLevelPackEntry {
    static constexpr int kBuiltIn = 0;
    static constexpr int kFile = 1;

    int kind = kBuiltIn;
    // Full path of the file; empty for the built-in pack.
    std::string path;
    // File size in bytes; -1 for the built-in pack.
    std::int64_t size = -1;
    // File modification time (only compared for equality); -1 for the built-in pack.
    std::int64_t modified = -1;
    std::string name;
    std::string description;
    std::string author;
    std::string date;
    std::string web;
    std::string email;
};

using GvLevelPackList = std::vector<std::unique_ptr<GvLevelPackEntry>>;
