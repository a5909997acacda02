#include "levelpack/GvPointCommand.h"

#include "levelpack/GvMd5.h"

void GvPointCommand::translate(int dx, int dy) {
    x_ = shifted(x_, dx);
    y_ = shifted(y_, dy);
}

void GvPointCommand::serialisePoint(GvMd5& digest, std::uint8_t tag) const {
    digest.updateByte(tag);
    digest.updateInt(x_);
    digest.updateInt(y_);
}
