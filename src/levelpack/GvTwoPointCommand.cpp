#include "levelpack/GvTwoPointCommand.h"

#include "levelpack/GvMd5.h"

void GvTwoPointCommand::translate(int dx, int dy) {
    x1_ = shifted(x1_, dx);
    x2_ = shifted(x2_, dx);
    y1_ = shifted(y1_, dy);
    y2_ = shifted(y2_, dy);
}

void GvTwoPointCommand::serialiseCorners(GvMd5& digest, std::uint8_t tag) const {
    digest.updateByte(tag);
    digest.updateInt(x1_);
    digest.updateInt(y1_);
    digest.updateInt(x2_);
    digest.updateInt(y2_);
}
