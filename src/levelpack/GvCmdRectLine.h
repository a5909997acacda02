#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvOneObjectCommand.h"
#include "levelpack/GvTwoPointCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws the outline of a rectangle, one cell wide, in one object.
class GvCmdRectLine
    : public GvCopyableCommand<GvCmdRectLine, GvOneObjectCommand<GvTwoPointCommand>> {
public:
    GvCmdRectLine(int x1, int y1, int x2, int y2, GvPackedObjectType object)
        : GvCopyableCommand(object, x1, y1, x2, y2) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;
};
