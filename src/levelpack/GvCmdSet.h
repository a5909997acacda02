#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvOneObjectCommand.h"
#include "levelpack/GvPointCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws one object into one cell.
class GvCmdSet : public GvCopyableCommand<GvCmdSet, GvOneObjectCommand<GvPointCommand>> {
public:
    GvCmdSet(int x, int y, GvPackedObjectType object) : GvCopyableCommand(object, x, y) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;
};
