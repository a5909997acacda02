#include "sim/GvLevelPackRandomStream.h"

std::uint32_t GvLevelPackRandomStream::next() {
    const unsigned a = seed_a;
    const unsigned b = seed_b;
    const unsigned t = a + 128 * (a & 1);
    const unsigned u = (t & 255) + (t >> 8) + 19;
    const unsigned carry = u >> 8;
    const unsigned v = carry + b + 128 * (b & 1);
    seed_a = static_cast<std::uint8_t>(u & 255);
    seed_b = static_cast<std::uint8_t>(((v & 255) + (v >> 8) + (a >> 1)) & 255);
    return seed_b;
}
