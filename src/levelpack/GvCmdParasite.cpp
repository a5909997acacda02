#include "levelpack/GvCmdParasite.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

void GvCmdParasite::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    for (long long y = y_; y <= y2_; ++y) {
        for (long long x = x_; x <= x2_; ++x) {
            if (grid.contains(x, y) &&
                grid.typeAt(static_cast<int>(x), static_cast<int>(y)) == host_) {
                grid.setCell(x + dx_, y + dy_, parasite_);
            }
        }
    }
}

void GvCmdParasite::serialise(GvMd5& digest) const {
    serialiseCorners(digest, 6);
    digest.updateByte(static_cast<std::uint8_t>(host_));
    digest.updateInt(dx_);
    digest.updateInt(dy_);
    digest.updateByte(static_cast<std::uint8_t>(parasite_));
}
