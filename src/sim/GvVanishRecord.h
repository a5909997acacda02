#pragma once

#include "sim/GvObject.h"

#include <memory>

// An object taken off the grid that is still drawn, at its old cell, until the
// next tick drops it: dug dirt, faded-out victims of explosions, collected diamonds.
struct GvVanishRecord {
    std::unique_ptr<GvObject> object;
    int col = 0;
    int row = 0;
    // Position relative to the visible rectangle when the record was made.
    int view_col = 0;
    int view_row = 0;
    // Ticks until the record is dropped.
    int countdown = 1;
};
