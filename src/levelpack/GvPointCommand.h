#pragma once

#include "levelpack/GvCaveCommand.h"

#include <cstdint>

// The shared part of the commands anchored at one cell (x, y): the anchor,
// moving it for macro calls, and the start of their digest record.
class GvPointCommand : public GvCaveCommand {
public:
    // Moves the anchor; counts, steps and objects stay.
    void translate(int dx, int dy) override;

    int x() const { return x_; }
    int y() const { return y_; }

protected:
    GvPointCommand(int x, int y) : x_(x), y_(y) {}

    // Starts a command's digest record: its tag byte, then the anchor.
    void serialisePoint(GvMd5& digest, std::uint8_t tag) const;

    int x_;
    int y_;
};
