#pragma once

#include "ArtBook.h"

#include <cstdint>
#include <string>
#include <vector>

// Writing the drawn art: as zlib streams for the game (a binary file of streams
// and a small C++ source of tables that includes it through the assembler), and
// as PNG contact sheets for people to look at.
class ArtOutput {
public:
    // Compresses every frame into the binary file at blobPath(path) and writes the
    // source that defines GvArt's tables. Returns false (with a message on
    // stderr) when writing fails.
    static bool writeSource(const ArtBook& book, const std::string& path);
    // The binary file beside a source: the same name ending in ".bin".
    static std::string blobPath(const std::string& sourcePath);

    // Writes the whole-book contact sheet, one sheet per image and set, and two
    // small scenes at 64 and 32 pixels per tile into 'folder'.
    static bool writeSheets(const ArtBook& book, const std::string& folder);

    // An 8-bit RGBA PNG; rows top first.
    static bool writePng(const std::string& path, int width, int height,
                         const std::vector<std::uint8_t>& rgba);
};
