#pragma once

#include "levelpack/GvCaveCommand.h"
#include "sim/GvPackedObjectType.h"

#include <vector>

// Draws a run of objects to the right of (x, y), one per cell; an entry that
// means "unchanged" leaves its cell alone.
class GvCmdRaw : public GvCaveCommand {
public:
    GvCmdRaw(int x, int y, std::vector<GvPackedObjectType> objects)
        : x_(x), y_(y), objects_(std::move(objects)) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int x() const { return x_; }
    int y() const { return y_; }
    const std::vector<GvPackedObjectType>& objects() const { return objects_; }

private:
    int x_;
    int y_;
    std::vector<GvPackedObjectType> objects_;
};
