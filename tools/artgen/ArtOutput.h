#pragma once

#include "ArtBook.h"

#include <cstdint>
#include <string>
#include <vector>

// Writing the drawn art: as coded streams for the game (a binary file of streams
// and a small C++ source of tables that includes it through the assembler), and
// as PNG contact sheets for people to look at.
class ArtOutput {
public:
    // How far a decoded colour channel of the painted pictures may stray from
    // the drawn one: painted noise costs most of the bytes, and a step this
    // small does not show. Tiles keep a finer step, since they repeat across
    // the view and must still meet their copies without a seam. The colour of
    // clear pixels, which only filtering and mipmaps blend in (weighted by
    // their neighbours' cover), may stray further. Partly clear alpha may
    // stray a little, while clear and opaque stay exactly so. The lettering,
    // the menu pieces and the pictures marked exact keep every byte.
    static constexpr int kPaintedBound = 4;
    static constexpr int kTileBound = 3;
    static constexpr int kClearBound = 8;
    static constexpr int kAlphaBound = 2;

    // Codes every frame (see OrbPictureCodec) into the binary file at blobPath(path) and writes the
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
