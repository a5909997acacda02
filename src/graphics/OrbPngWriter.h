#pragma once

#include <vector>

// Encodes pictures as PNG files (8-bit RGBA, no interlacing), so that tools can
// hand out what the game draws. Only encoding: the game itself reads no PNG.
class OrbPngWriter {
public:
    // `rgba` holds height rows of width pixels, the top row first. Answers the
    // whole file, or an empty vector when the size is not positive or too large.
    static std::vector<unsigned char> encode(const unsigned char* rgba, int width, int height);
};
