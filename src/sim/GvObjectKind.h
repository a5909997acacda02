#pragma once

// What an object is, as the rules ask it (`kind`). The values are fixed because
// the magic wall and the amoeba store kinds in world fields.
enum class GvObjectKind : int {
    space = 0,
    dirt = 1,
    boulder = 2,
    diamond = 3,
    bomb = 4,
    steel_wall = 5,
    brick_wall = 6,
    magic_wall = 7,
    growing_wall = 8,
    firefly = 9,
    butterfly = 10,
    amoeba = 11,
    slime = 12,
    explosion = 13,
    in_box = 14,
    out_box = 15,
    player = 16,
    voodoo_doll = 17,
};

constexpr int kObjectKindCount = 18;
