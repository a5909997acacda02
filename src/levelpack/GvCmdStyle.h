#pragma once

#include "levelpack/GvCaveCommand.h"
#include "levelpack/GvCopyableCommand.h"
#include "sim/GvPackedObjectType.h"

// Sets the style (colour) that later drawing of one object type uses; cells
// drawn before keep theirs. Looks only, so it does not enter the level digest.
class GvCmdStyle : public GvCopyableCommand<GvCmdStyle, GvCaveCommand> {
public:
    GvCmdStyle(GvPackedObjectType object, int style) : object_(object), style_(style) {}

    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    GvPackedObjectType object() const { return object_; }
    int style() const { return style_; }

private:
    GvPackedObjectType object_;
    int style_;
};
