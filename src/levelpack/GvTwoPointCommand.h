#pragma once

#include "levelpack/GvCaveCommand.h"

#include <cstdint>

// The shared part of the commands that span a rectangle or a line between two
// corners (x1, y1) and (x2, y2): their corners, moving them for macro calls,
// and the start of their digest record.
class GvTwoPointCommand : public GvCaveCommand {
public:
    // Moves both corners; what a command holds besides them stays.
    void translate(int dx, int dy) override;

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }

protected:
    GvTwoPointCommand(int x1, int y1, int x2, int y2) : x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

    // Starts a command's digest record: its tag byte, then the corners.
    void serialiseCorners(GvMd5& digest, std::uint8_t tag) const;

    int x1_;
    int y1_;
    int x2_;
    int y2_;
};
