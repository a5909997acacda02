#pragma once

#include "graphics/GvFont.h"

#include <vector>

// An alpha image for a GvFont of small cells, every pixel the same, so that drawn
// text covers exactly its glyph boxes.
inline std::vector<unsigned char> makeFontImage(int cellSize, unsigned char alpha = 255) {
    return std::vector<unsigned char>(static_cast<std::size_t>(GvFont::kCellsAcross) *
                                          GvFont::kCellRows * cellSize * cellSize,
                                      alpha);
}
