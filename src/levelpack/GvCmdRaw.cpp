#include "levelpack/GvCmdRaw.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"

void GvCmdRaw::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    long long x = x_;
    for (const GvPackedObjectType object : objects_) {
        grid.setCell(x++, y_, object);
    }
}

void GvCmdRaw::serialise(GvMd5& digest) const {
    serialisePoint(digest, 7);
    for (const GvPackedObjectType object : objects_) {
        digest.updateByte(static_cast<std::uint8_t>(object));
    }
}
