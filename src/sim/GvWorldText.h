#pragma once

#include "sim/GvWrapMode.h"

#include <string>
#include <string_view>

class GvWorld;
class GvObject;

// The world as a picture of one character per cell, so that tests and tools can
// write caves as text and compare traces line by line:
//   ' ' space, '.' dirt, 'r'/'R' boulder (resting/falling), 'd'/'D' diamond,
//   'b'/'B' unlit bomb, 'c'/'C' lit bomb, 'W' steel wall, 'w' brick wall,
//   'M' magic wall, 'V'/'H'/'G' growing wall growing up-down/left-right/both,
//   '2' '1' '4' '3' firefly with direction index 0..3, '6' '5' '8' '7' butterfly
//   with direction index 0..3, 'a' amoeba, 's' slime, '*' explosion,
//   'P' in box, 'X' out box, '@' player, 'F' voodoo doll.
class GvWorldText {
public:
    // Rows joined by '\n', with a '\n' after the last row.
    static std::string format(const GvWorld& world);
    // Resets the world to the picture's size (the longest row; shorter rows are
    // padded with space) and places its objects. A trailing newline is allowed.
    // Throws std::invalid_argument naming the character and its position when
    // the picture holds a character that stands for no object.
    static void parse(GvWorld& world, std::string_view picture, GvWrapMode wrap = GvWrapMode::none);
    // The character of one object.
    static char objectChar(const GvObject& object);
};
