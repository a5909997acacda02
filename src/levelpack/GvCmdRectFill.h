#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvTwoPointCommand.h"
#include "sim/GvPackedObjectType.h"

// Fills a rectangle: its outermost cells with the border object, the inside with
// the fill object (pass the same object twice for a solid block).
class GvCmdRectFill : public GvCopyableCommand<GvCmdRectFill, GvTwoPointCommand> {
public:
    GvCmdRectFill(int x1, int y1, int x2, int y2, GvPackedObjectType border,
                  GvPackedObjectType fill)
        : GvCopyableCommand(x1, y1, x2, y2), border_(border), fill_(fill) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    GvPackedObjectType border() const { return border_; }
    GvPackedObjectType fill() const { return fill_; }

private:
    GvPackedObjectType border_;
    GvPackedObjectType fill_;
};
