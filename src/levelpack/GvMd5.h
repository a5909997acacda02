#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The MD5 message digest (RFC 1321), used to key statistics by a level's content.
// Besides raw bytes it accepts the two value forms that level content is written
// in: single bytes and 32-bit big-endian integers.
class GvMd5 {
public:
    using Digest = std::array<std::uint8_t, 16>;

    GvMd5() { init(); }

    // Starts a new message; any earlier input is forgotten.
    void init();
    void update(const void* data, std::size_t length);
    void updateByte(std::uint8_t value) { update(&value, 1); }
    void updateInt(std::int32_t value);
    // Completes the message and writes the 16-byte digest. The object must be
    // initialised again before it takes new input.
    void final(std::uint8_t* out16);
    Digest final();

private:
    void transform(const std::uint8_t* block);

    std::uint32_t state_[4];
    std::uint64_t bitCount_;
    std::uint8_t buffer_[64];
    std::size_t buffered_;
};
