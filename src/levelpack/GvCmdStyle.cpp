#include "levelpack/GvCmdStyle.h"

#include "levelpack/GvUnpackGrid.h"

void GvCmdStyle::translate(int, int) {}

void GvCmdStyle::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    grid.setStyleOfType(object_, style_);
}

void GvCmdStyle::serialise(GvMd5&) const {}
