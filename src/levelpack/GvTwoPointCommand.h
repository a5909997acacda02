#pragma once

#include "levelpack/GvPointCommand.h"

#include <cstdint>

// The shared part of the commands that span a rectangle or a line between two
// corners (x1, y1) and (x2, y2): the first corner is the anchor of a point
// command, the second moves with it for macro calls and follows it in the digest
// record.
class GvTwoPointCommand : public GvPointCommand {
public:
    // Moves both corners; what a command holds besides them stays.
    void translate(int dx, int dy) override;

    int x1() const { return x_; }
    int y1() const { return y_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }

protected:
    GvTwoPointCommand(int x1, int y1, int x2, int y2) : GvPointCommand(x1, y1), x2_(x2), y2_(y2) {}

    // Starts a command's digest record: its tag byte, then the corners.
    void serialiseCorners(GvMd5& digest, std::uint8_t tag) const;

    int x2_;
    int y2_;
};
