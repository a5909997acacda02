#include "levelpack/GvCmdStyle.h"

#include "levelpack/GvUnpackGrid.h"

std::unique_ptr<GvCaveCommand> GvCmdStyle::clone() const {
    return std::make_unique<GvCmdStyle>(*this);
}

void GvCmdStyle::translate(int, int) {}

void GvCmdStyle::apply(GvUnpackGrid& grid, GvRandomStream&) const {
    grid.setStyleOfType(object_, style_);
}

void GvCmdStyle::serialise(GvMd5&) const {}
