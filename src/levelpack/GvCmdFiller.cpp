#include "levelpack/GvCmdFiller.h"

#include "levelpack/GvUnpackGrid.h"

std::unique_ptr<GvCaveCommand> GvCmdFiller::clone() const {
    return std::make_unique<GvCmdFiller>(*this);
}

void GvCmdFiller::translate(int, int) {}

void GvCmdFiller::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    grid.setFiller(static_cast<int>(object_), grid.styleOfType(object_));
}

void GvCmdFiller::serialise(GvMd5&) const {}
