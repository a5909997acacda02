#pragma once

#include "sim/GvKeywordTable.h"

#include <optional>
#include <string_view>

// Object codes of cave definitions, shared by the cave commands, the pack readers
// and the level builder. `none` leaves a cell unchanged when a cave is drawn.
enum class GvPackedObjectType : int {
    space = 0,
    dirt = 1,
    in_box = 2,
    out_box = 3,
    boulder = 4,
    boulder_f = 5,
    diamond = 6,
    diamond_f = 7,
    bomb = 8,
    bomb_f = 9,
    steel_wall = 10,
    brick_wall = 11,
    magic_wall = 12,
    growing_wall = 13,
    growing_wall_h = 14,
    growing_wall_v = 15,
    firefly_l = 16,
    firefly_u = 17,
    firefly_r = 18,
    firefly_d = 19,
    butterfly_l = 20,
    butterfly_u = 21,
    butterfly_r = 22,
    butterfly_d = 23,
    amoeba = 24,
    slime = 25,
    voodoo_doll = 26,
    none = 27,
};

constexpr int kPackedObjectTypeCount = 28;

inline constexpr const char* kPackedObjectKeywords[kPackedObjectTypeCount] = {
    "space",      "dirt",         "in_box",         "out_box",        "boulder",     "boulder_f",
    "diamond",    "diamond_f",    "bomb",           "bomb_f",         "steel_wall",  "brick_wall",
    "magic_wall", "growing_wall", "growing_wall_h", "growing_wall_v", "firefly_l",   "firefly_u",
    "firefly_r",  "firefly_d",    "butterfly_l",    "butterfly_u",    "butterfly_r", "butterfly_d",
    "amoeba",     "slime",        "voodoo_doll",    "none",
};

// The keyword of a type; values outside 0..27 have none and give "none".
constexpr const char* packedObjectKeyword(GvPackedObjectType type) {
    const int value = static_cast<int>(type);
    return (value >= 0 && value < kPackedObjectTypeCount) ? kPackedObjectKeywords[value] : "none";
}

// The type named by a keyword, ignoring letter case; empty when unknown.
constexpr std::optional<GvPackedObjectType> packedObjectTypeFromKeyword(std::string_view word) {
    const int index = keywordTableLookup(kPackedObjectKeywords, word);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<GvPackedObjectType>(index);
}
