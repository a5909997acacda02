#include "sim/GvGamePlayRandomStream.h"

std::uint32_t GvGamePlayRandomStream::next() {
    state = state * 69069u + 41u;
    return (state >> 16) | (state << 16);
}

float GvGamePlayRandomStream::nextUnit() {
    return static_cast<float>(static_cast<double>(next() & 0x7fffffffu) / 2147483647.0);
}
