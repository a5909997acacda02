#pragma once

#include "levelpack/GvCaveCommand.h"
#include "sim/GvPackedObjectType.h"

// For every cell of a rectangle that holds the host object, draws the parasite
// object at that cell moved by (dx, dy). It reads the grid as it is changing it,
// so a parasite that is its own host can spread along its offset.
class GvCmdParasite : public GvCaveCommand {
public:
    GvCmdParasite(int x1, int y1, int x2, int y2, GvPackedObjectType host, int dx, int dy,
                  GvPackedObjectType parasite)
        : x1_(x1), y1_(y1), x2_(x2), y2_(y2), host_(host), dx_(dx), dy_(dy), parasite_(parasite) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    // Moves the rectangle; the parasite's own offset stays.
    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    GvPackedObjectType host() const { return host_; }
    int dx() const { return dx_; }
    int dy() const { return dy_; }
    GvPackedObjectType parasite() const { return parasite_; }

private:
    int x1_;
    int y1_;
    int x2_;
    int y2_;
    GvPackedObjectType host_;
    int dx_;
    int dy_;
    GvPackedObjectType parasite_;
};
