#include "levelpack/GvCmdIsoRandomFill.h"

#include "levelpack/GvMd5.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvLevelPackRandomStream.h"

void GvCmdIsoRandomFill::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    // Seeds below 256 (negative ones included, by their low 8 bits) pick the
    // level-pack generator, as a cave's unpack seed does.
    if (seed_ >= 256) {
        GvGamePlayRandomStream own(static_cast<std::uint32_t>(seed_));
        fillFrom(grid, own);
    } else {
        GvLevelPackRandomStream own(static_cast<std::uint8_t>(seed_ & 0xff));
        fillFrom(grid, own);
    }
}

void GvCmdIsoRandomFill::serialise(GvMd5& digest) const {
    // The seed is deliberately left out: only the kind byte tells this fill from
    // a plain one.
    digest.updateByte(8);
    GvCmdRandomFill::serialise(digest);
}
