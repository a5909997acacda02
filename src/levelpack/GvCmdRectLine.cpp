#include "levelpack/GvCmdRectLine.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

void GvCmdRectLine::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    for (long long x = x_; x <= x2_; ++x) {
        grid.setCell(x, y_, object_);
        grid.setCell(x, y2_, object_);
    }
    for (long long y = static_cast<long long>(y_) + 1; y < y2_; ++y) {
        grid.setCell(x_, y, object_);
        grid.setCell(x2_, y, object_);
    }
}

void GvCmdRectLine::serialise(GvMd5& digest) const {
    serialiseCorners(digest, 2);
    digest.updateByte(static_cast<std::uint8_t>(object_));
}
