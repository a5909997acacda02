#include "levelpack/GvTwoPointCommand.h"

#include "levelpack/GvMd5.h"

void GvTwoPointCommand::translate(int dx, int dy) {
    GvPointCommand::translate(dx, dy);
    x2_ = shifted(x2_, dx);
    y2_ = shifted(y2_, dy);
}

void GvTwoPointCommand::serialiseCorners(GvMd5& digest, std::uint8_t tag) const {
    serialisePoint(digest, tag);
    digest.updateInt(x2_);
    digest.updateInt(y2_);
}
