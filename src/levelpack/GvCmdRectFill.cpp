#include "levelpack/GvCmdRectFill.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

void GvCmdRectFill::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    for (long long y = y_; y <= y2_; ++y) {
        for (long long x = x_; x <= x2_; ++x) {
            const bool edge = x == x_ || x == x2_ || y == y_ || y == y2_;
            grid.setCell(x, y, edge ? border_ : fill_);
        }
    }
}

void GvCmdRectFill::serialise(GvMd5& digest) const {
    serialiseCorners(digest, 3);
    digest.updateByte(static_cast<std::uint8_t>(border_));
    digest.updateByte(static_cast<std::uint8_t>(fill_));
}
