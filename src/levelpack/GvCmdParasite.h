#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvTwoPointCommand.h"
#include "sim/GvPackedObjectType.h"

// For every cell of a rectangle that holds the host object, draws the parasite
// object at that cell moved by (dx, dy). It reads the grid as it is changing it,
// so a parasite that is its own host can spread along its offset.
class GvCmdParasite : public GvCopyableCommand<GvCmdParasite, GvTwoPointCommand> {
public:
    GvCmdParasite(int x1, int y1, int x2, int y2, GvPackedObjectType host, int dx, int dy,
                  GvPackedObjectType parasite)
        : GvCopyableCommand(x1, y1, x2, y2), host_(host), dx_(dx), dy_(dy), parasite_(parasite) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    GvPackedObjectType host() const { return host_; }
    int dx() const { return dx_; }
    int dy() const { return dy_; }
    GvPackedObjectType parasite() const { return parasite_; }

private:
    GvPackedObjectType host_;
    int dx_;
    int dy_;
    GvPackedObjectType parasite_;
};
