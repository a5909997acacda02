#pragma once

#include "levelpack/GvCaveCommand.h"
#include "levelpack/GvCopyableCommand.h"
#include "sim/GvPackedObjectType.h"

// Chooses the object drawn outside the cave, with the style in force for it when
// the command runs. It draws no cell and does not enter the level digest.
class GvCmdFiller : public GvCopyableCommand<GvCmdFiller, GvCaveCommand> {
public:
    explicit GvCmdFiller(GvPackedObjectType object) : object_(object) {}

    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    GvPackedObjectType object() const { return object_; }

private:
    GvPackedObjectType object_;
};
