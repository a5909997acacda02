#include "levelpack/GvCmdRectFill.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

std::unique_ptr<GvCaveCommand> GvCmdRectFill::clone() const {
    return std::make_unique<GvCmdRectFill>(*this);
}

void GvCmdRectFill::translate(int dx, int dy) {
    x1_ = shifted(x1_, dx);
    x2_ = shifted(x2_, dx);
    y1_ = shifted(y1_, dy);
    y2_ = shifted(y2_, dy);
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
    digest.updateByte(3);
    digest.updateInt(x1_);
    digest.updateInt(y1_);
    digest.updateInt(x2_);
    digest.updateInt(y2_);
    digest.updateByte(static_cast<std::uint8_t>(border_));
    digest.updateByte(static_cast<std::uint8_t>(fill_));
}
