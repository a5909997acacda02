#pragma once

#include "levelpack/GvPointCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws one object into one cell.
class GvCmdSet : public GvPointCommand {
public:
    GvCmdSet(int x, int y, GvPackedObjectType object) : GvPointCommand(x, y), object_(object) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    GvPackedObjectType object() const { return object_; }

private:
    GvPackedObjectType object_;
};
