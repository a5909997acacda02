#pragma once

#include "levelpack/GvCaveCommand.h"
#include "sim/GvPackedObjectType.h"

// Draws a lattice of single cells: `columns` × `rows` cells starting at (x, y),
// spaced by the column and row steps.
class GvCmdRectDot : public GvCaveCommand {
public:
    GvCmdRectDot(int x, int y, int columns, int rows, int columnStep, int rowStep,
                 GvPackedObjectType object)
        : x_(x), y_(y), columns_(columns), rows_(rows), columnStep_(columnStep), rowStep_(rowStep),
          object_(object) {}

    std::unique_ptr<GvCaveCommand> clone() const override;
    void translate(int dx, int dy) override;
    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    int x() const { return x_; }
    int y() const { return y_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int columnStep() const { return columnStep_; }
    int rowStep() const { return rowStep_; }
    GvPackedObjectType object() const { return object_; }

private:
    int x_;
    int y_;
    int columns_;
    int rows_;
    int columnStep_;
    int rowStep_;
    GvPackedObjectType object_;
};
