#pragma once

#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCopyableCommand.h"

// A random fill with a seed of its own: it draws from a fresh stream made from
// that seed and leaves the level's drawing stream untouched, so its result does
// not depend on the commands before it.
class GvCmdIsoRandomFill : public GvCopyableCommand<GvCmdIsoRandomFill, GvCmdRandomFill> {
public:
    GvCmdIsoRandomFill(int x1, int y1, int x2, int y2, GvPackedObjectType fill,
                       std::vector<Entry> entries, int seed)
        : GvCopyableCommand(x1, y1, x2, y2, fill, std::move(entries)), seed_(seed) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int seed() const { return seed_; }

private:
    int seed_;
};
