#include "levelpack/GvCmdRectLine.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

std::unique_ptr<GvCaveCommand> GvCmdRectLine::clone() const {
    return std::make_unique<GvCmdRectLine>(*this);
}

void GvCmdRectLine::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    for (long long x = x1_; x <= x2_; ++x) {
        grid.setCell(x, y1_, object_);
        grid.setCell(x, y2_, object_);
    }
    for (long long y = static_cast<long long>(y1_) + 1; y < y2_; ++y) {
        grid.setCell(x1_, y, object_);
        grid.setCell(x2_, y, object_);
    }
}

void GvCmdRectLine::serialise(GvMd5& digest) const {
    serialiseCorners(digest, 2);
    digest.updateByte(static_cast<std::uint8_t>(object_));
}
