#include "levelpack/GvCmdRectFill.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

std::unique_ptr<GvCaveCommand> GvCmdRectFill::clone() const {
    return std::make_unique<GvCmdRectFill>(*this);
}

void GvCmdRectFill::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    for (long long y = y1_; y <= y2_; ++y) {
        for (long long x = x1_; x <= x2_; ++x) {
            const bool edge = x == x1_ || x == x2_ || y == y1_ || y == y2_;
            grid.setCell(x, y, edge ? border_ : fill_);
        }
    }
}

void GvCmdRectFill::serialise(GvMd5& digest) const {
    serialiseCorners(digest, 3);
    digest.updateByte(static_cast<std::uint8_t>(border_));
    digest.updateByte(static_cast<std::uint8_t>(fill_));
}
