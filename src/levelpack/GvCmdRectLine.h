#pragma once

#include "levelpack/GvCaveCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws the outline of a rectangle, one cell wide, in one object.
class GvCmdRectLine : public GvCaveCommand {
public:
    GvCmdRectLine(int x1, int y1, int x2, int y2, GvPackedObjectType object)
        : x1_(x1), y1_(y1), x2_(x2), y2_(y2), object_(object) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    GvPackedObjectType object() const { return object_; }

private:
    int x1_;
    int y1_;
    int x2_;
    int y2_;
    GvPackedObjectType object_;
};
