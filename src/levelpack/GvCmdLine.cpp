#include "levelpack/GvCmdLine.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

static int sign(long long value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

void GvCmdLine::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    // Walk towards end marks one step beyond each end. Each axis stops once it
    // reaches its mark, so for lines that are not straight or exactly diagonal
    // the shorter axis overshoots by one and waits there while the longer one
    // finishes. Cave files rely on this drawing, so it is kept as it is.
    // 64-bit positions keep the marks exact even for extreme coordinates.
    const int stepX = sign(static_cast<long long>(x2_) - x_);
    const int stepY = sign(static_cast<long long>(y2_) - y_);
    const long long endX = static_cast<long long>(x2_) + stepX;
    const long long endY = static_cast<long long>(y2_) + stepY;
    long long x = x_;
    long long y = y_;
    for (;;) {
        grid.setCell(x, y, object_);
        if (x != endX) {
            x += stepX;
        }
        if (y != endY) {
            y += stepY;
        }
        // A zero step never reaches a mark one beyond; that axis is done.
        const bool xDone = stepX == 0 || x == endX;
        const bool yDone = stepY == 0 || y == endY;
        if (xDone && yDone) {
            return;
        }
    }
}

void GvCmdLine::serialise(GvMd5& digest) const {
    serialiseCorners(digest, 1);
    digest.updateByte(static_cast<std::uint8_t>(object_));
}
