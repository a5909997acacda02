#include "levelpack/GvCmdFiller.h"

#include "levelpack/GvUnpackGrid.h"

void GvCmdFiller::translate(int, int) {}

void GvCmdFiller::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    grid.setFiller(static_cast<int>(object_), grid.styleOfType(object_));
}

void GvCmdFiller::serialise(GvMd5&) const {}
