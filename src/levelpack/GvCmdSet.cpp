#include "levelpack/GvCmdSet.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

void GvCmdSet::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    grid.setCell(x_, y_, object_);
}

void GvCmdSet::serialise(GvMd5& digest) const {
    serialisePoint(digest, 0);
    digest.updateByte(static_cast<std::uint8_t>(object_));
}
