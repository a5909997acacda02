#pragma once

#include "levelpack/GvCopyableCommand.h"
#include "levelpack/GvTwoPointCommand.h"
#include "sim/GvPackedObjectType.h"

#include <cstdint>
#include <vector>

// Fills a rectangle with objects chosen by random bytes: for each cell one byte
// b is drawn, and the entry with the smallest threshold above b wins (the earlier
// entry on a tie); with no such entry the cell gets the fill object. A byte is
// drawn for every cell of the rectangle, even one outside the grid, so clipping
// never shifts the random sequence of the cells that remain.
class GvCmdRandomFill : public GvCopyableCommand<GvCmdRandomFill, GvTwoPointCommand> {
public:
    struct Entry {
        GvPackedObjectType object;
        std::uint8_t threshold;

        bool operator==(const Entry&) const = default;
    };

    GvCmdRandomFill(int x1, int y1, int x2, int y2, GvPackedObjectType fill,
                    std::vector<Entry> entries)
        : GvCopyableCommand(x1, y1, x2, y2), fill_(fill), entries_(std::move(entries)) {}

    void apply(GvUnpackGrid& grid, GvRandomStream& stream) const override;
    void serialise(GvMd5& digest) const override;

    GvPackedObjectType fill() const { return fill_; }
    const std::vector<Entry>& entries() const { return entries_; }

    // The object that a byte selects.
    GvPackedObjectType choose(std::uint8_t byte) const;

protected:
    // The fill itself, drawing from the given stream.
    void fillFrom(GvUnpackGrid& grid, GvRandomStream& stream) const;

private:
    GvPackedObjectType fill_;
    std::vector<Entry> entries_;
};
