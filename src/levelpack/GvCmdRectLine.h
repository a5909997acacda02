#pragma once

#include "levelpack/GvTwoPointCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws the outline of a rectangle, one cell wide, in one object.
class GvCmdRectLine : public GvTwoPointCommand {
public:
    GvCmdRectLine(int x1, int y1, int x2, int y2, GvPackedObjectType object)
        : GvTwoPointCommand(x1, y1, x2, y2), object_(object) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    GvPackedObjectType object() const { return object_; }

private:
    GvPackedObjectType object_;
};
