#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvPointCommand.h"
#include "sim/GvPackedObjectType.h"

#include <vector>

// Draws a run of objects to the right of (x, y), one per cell; an entry that
// means "unchanged" leaves its cell alone.
class GvCmdRaw : public GvCopyableCommand<GvCmdRaw, GvPointCommand> {
public:
    GvCmdRaw(int x, int y, std::vector<GvPackedObjectType> objects)
        : GvCopyableCommand(x, y), objects_(std::move(objects)) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    const std::vector<GvPackedObjectType>& objects() const { return objects_; }

private:
    std::vector<GvPackedObjectType> objects_;
};
