#pragma once

#include "levelpack/GvCaveCommand.h"
#include "levelpack/GvCmdRandomFill.h"
#include "sim/GvPackedObjectType.h"

#include <memory>
#include <vector>

// One entry of a BDCFF cave's object list: a drawing command and the levels it
// applies to. Some entries depend on the cave's final size or initial fill,
// which a cave may state after them, so they are made into commands only when
// the cave is converted.
class GvBdcffObject {
public:
    // A command complete as read.
    explicit GvBdcffObject(std::unique_ptr<GvCaveCommand> command);
    // A random fill of everything below the top row with the initial fill as
    // the background.
    static GvBdcffObject randomFill(std::vector<GvCmdRandomFill::Entry> entries);
    // A steel line around the whole cave.
    static GvBdcffObject border();
    // A parasite over the whole cave.
    static GvBdcffObject parasite(int dx, int dy, GvPackedObjectType host,
                                  GvPackedObjectType parasite);

    // The command for a cave of this size and initial fill.
    std::unique_ptr<GvCaveCommand> make(int width, int height,
                                        GvPackedObjectType initialFill) const;

    // Levels count from 1; an empty list means every level.
    bool appliesToAllLevels() const { return levels.empty(); }
    bool appliesTo(int level) const;

    std::vector<int> levels;

private:
    enum class Kind { ready, randomFill, border, parasite };

    explicit GvBdcffObject(Kind kind) : kind_(kind) {}

    Kind kind_;
    std::unique_ptr<GvCaveCommand> command_;
    std::vector<GvCmdRandomFill::Entry> entries_;
    int dx_ = 0;
    int dy_ = 0;
    GvPackedObjectType host_ = GvPackedObjectType::none;
    GvPackedObjectType parasite_ = GvPackedObjectType::none;
};
