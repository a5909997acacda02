#pragma once

#include "levelpack/GvCaveCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws one object into one cell.
class GvCmdSet : public GvCaveCommand {
public:
    GvCmdSet(int x, int y, GvPackedObjectType object) : x_(x), y_(y), object_(object) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int x() const { return x_; }
    int y() const { return y_; }
    GvPackedObjectType object() const { return object_; }

private:
    int x_;
    int y_;
    GvPackedObjectType object_;
};
