#pragma once

#include "levelpack/GvCaveCommand.h"
#include "sim/GvPackedObjectType.h"

// Fills a rectangle: its outermost cells with the border object, the inside with
// the fill object (pass the same object twice for a solid block).
class GvCmdRectFill : public GvCaveCommand {
public:
    GvCmdRectFill(int x1, int y1, int x2, int y2, GvPackedObjectType border,
                  GvPackedObjectType fill)
        : x1_(x1), y1_(y1), x2_(x2), y2_(y2), border_(border), fill_(fill) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    GvPackedObjectType border() const { return border_; }
    GvPackedObjectType fill() const { return fill_; }

private:
    int x1_;
    int y1_;
    int x2_;
    int y2_;
    GvPackedObjectType border_;
    GvPackedObjectType fill_;
};
