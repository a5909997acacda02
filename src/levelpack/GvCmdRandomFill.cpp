#include "levelpack/GvCmdRandomFill.h"

#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"
#include "sim/GvRandomStream.h"

GvPackedObjectType GvCmdRandomFill::choose(std::uint8_t byte) const {
    GvPackedObjectType chosen = fill_;
    int best = 256;
    for (const Entry& entry : entries_) {
        if (byte < entry.threshold && entry.threshold < best) {
            chosen = entry.object;
            best = entry.threshold;
        }
    }
    return chosen;
}

void GvCmdRandomFill::fillFrom(GvUnpackGrid& grid, GvRandomStream& stream) const {
    for (long long y = y_; y <= y2_; ++y) {
        for (long long x = x_; x <= x2_; ++x) {
            const auto byte = static_cast<std::uint8_t>(stream.next() & 0xff);
            grid.setCell(x, y, choose(byte));
        }
    }
}

void GvCmdRandomFill::apply(GvUnpackGrid& grid, GvRandomStream& stream) const {
    fillFrom(grid, stream);
}

void GvCmdRandomFill::serialise(GvMd5& digest) const {
    serialiseCorners(digest, 5);
    digest.updateByte(static_cast<std::uint8_t>(fill_));
    for (const Entry& entry : entries_) {
        digest.updateByte(static_cast<std::uint8_t>(entry.object));
        digest.updateByte(entry.threshold);
    }
}
