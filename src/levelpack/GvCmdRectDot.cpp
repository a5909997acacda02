#include "levelpack/GvCmdRectDot.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

void GvCmdRectDot::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    for (long long r = 0; r < rows_; ++r) {
        for (long long c = 0; c < columns_; ++c) {
            grid.setCell(x_ + c * columnStep_, y_ + r * rowStep_, object_);
        }
    }
}

void GvCmdRectDot::serialise(GvMd5& digest) const {
    serialisePoint(digest, 4);
    digest.updateInt(columns_);
    digest.updateInt(rows_);
    digest.updateInt(columnStep_);
    digest.updateInt(rowStep_);
    digest.updateByte(static_cast<std::uint8_t>(object_));
}
