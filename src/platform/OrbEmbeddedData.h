#pragma once

#include <cstddef>

// A zlib stream linked into the program, named by its address, its compressed
// length and the exact length it must inflate to.
struct OrbEmbeddedData {
    const unsigned char* bytes;
    std::size_t compressedSize;
    std::size_t size;
};
