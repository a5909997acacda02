#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvPointCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws a lattice of single cells: `columns` × `rows` cells starting at (x, y),
// spaced by the column and row steps.
class GvCmdRectDot : public GvCopyableCommand<GvCmdRectDot, GvPointCommand> {
public:
    GvCmdRectDot(int x, int y, int columns, int rows, int columnStep, int rowStep,
                 GvPackedObjectType object)
        : GvCopyableCommand(x, y), columns_(columns), rows_(rows), columnStep_(columnStep),
          rowStep_(rowStep), object_(object) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int columnStep() const { return columnStep_; }
    int rowStep() const { return rowStep_; }
    GvPackedObjectType object() const { return object_; }

private:
    int columns_;
    int rows_;
    int columnStep_;
    int rowStep_;
    GvPackedObjectType object_;
};
