#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvOneObjectCommand.h"
#include "levelpack/GvTwoPointCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws a line of one object from (x1, y1) to (x2, y2), both ends included.
// Horizontal, vertical and exact diagonal lines are drawn cell by cell; for
// other slopes the shorter axis reaches its end one step early and the line
// finishes along the longer axis (see apply).
class GvCmdLine : public GvCopyableCommand<GvCmdLine, GvOneObjectCommand<GvTwoPointCommand>> {
public:
    GvCmdLine(int x1, int y1, int x2, int y2, GvPackedObjectType object)
        : GvCopyableCommand(object, x1, y1, x2, y2) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;
};
