#pragma once

#include <cstdint>

// A source of pseudo-random 32-bit values. Level building and replays rely on a
// stream yielding the same sequence for the same seed.
class GvRandomStream {
public:
    virtual ~GvRandomStream() = default;
    virtual std::uint32_t next() = 0;
};
