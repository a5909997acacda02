#pragma once

#include <climits>
#include <memory>

class GvMd5;
class GvRandomStream;
class GvUnpackGrid;

// One step of drawing a cave: caves store their content as an ordered list of
// these rather than as a map. A command is built with all its values, copied by
// `clone` (macros and regrouping never share one), moved by `translate` (macro
// calls) and fed into the level digest by `serialise`, so that any change to a
// cave's drawing gives the level new statistics.
class GvCaveCommand {
public:
    virtual ~GvCaveCommand() = default;
    virtual std::unique_ptr<GvCaveCommand> clone() const = 0;
    // Adds the offset to the command's position fields; sizes, steps and objects
    // stay as they are.
    virtual void translate(int dx, int dy) = 0;
    // Draws into the grid; commands that place random objects take bytes from the
    // stream. Every write goes through the grid's clipping.
    virtual void apply(GvUnpackGrid& grid, GvRandomStream& stream) const = 0;
    virtual void serialise(GvMd5& digest) const = 0;

protected:
    // Moves a coordinate, stopping at the ends of the int range: nested macro
    // calls add offsets up, and a position that far out is clipped anyway.
    static int shifted(int value, int delta) {
        const long long moved = static_cast<long long>(value) + delta;
        return moved > INT_MAX ? INT_MAX : (moved < INT_MIN ? INT_MIN : static_cast<int>(moved));
    }

    GvCaveCommand() = default;
    GvCaveCommand(const GvCaveCommand&) = default;
    GvCaveCommand& operator=(const GvCaveCommand&) = default;
};
