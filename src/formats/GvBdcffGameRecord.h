#pragma once

#include "formats/GvBdcffSize.h"

#include <string>

// What the game section of a BDCFF file says about the whole pack: its texts,
// its number of difficulty levels and the sizes caves get when they give none.
struct GvBdcffGameRecord {
    std::string name;
    std::string description;
    std::string author;
    std::string date;
    std::string web;
    int levels = 1;
    GvBdcffSize caveSize;
    // Intermissions show only a corner of the default cave.
    GvBdcffSize intermissionSize{40, 22, 0, 0, 20, 12};
};
