#pragma once

#include "levelpack/GvCaveCommand.h"
#include "levelpack/GvCaveVariant.h"
#include "sim/GvPhysics.h"
#include "sim/GvPresentation.h"
#include "sim/GvWrapMode.h"

#include <memory>
#include <string>
#include <vector>

// One cave of a level pack: its size, edge and rule settings, the commands that
// draw it in every variant, and one parameter record per variant. The readers
// fill the fields directly; a cave is made with as many default variant records
// as its pack has variants.
class GvCaveDef {
public:
    explicit GvCaveDef(int variantCount = 1, int width = 40, int height = 22);
    GvCaveDef(const GvCaveDef&) = delete;
    GvCaveDef& operator=(const GvCaveDef&) = delete;

    int variantCount() const { return static_cast<int>(variants.size()); }
    // Null when v is not a variant of this cave.
    GvCaveVariant* variant(int v);
    const GvCaveVariant* variant(int v) const;

    std::string name;
    std::string description;
    std::string author;
    std::string date;
    std::string web;
    std::string email;
    // A letter code (A, B, ... or AA, AB, ...), given by the pack after loading.
    std::string code;
    int width = 40;
    int height = 22;
    // When set, only this rectangle of the cave is shown.
    bool has_visible_area = false;
    int visible_left = 0;
    int visible_top = 0;
    int visible_width = 0;
    int visible_height = 0;
    GvWrapMode wrap = GvWrapMode::none;
    GvPresentation view = GvPresentation::scrolling;
    GvPhysics physics = GvPhysics::gravik_1;
    bool bonus = false;
    std::vector<std::unique_ptr<GvCaveCommand>> commands;
    std::vector<std::unique_ptr<GvCaveVariant>> variants;
};
