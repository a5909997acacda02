#include "graphics/OrbPngWriter.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <zlib.h>

namespace {

void putU32(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value >> 24));
    out.push_back(static_cast<unsigned char>(value >> 16));
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value));
}

// A chunk: length, type, data, and the CRC of type and data.
void putChunk(std::vector<unsigned char>& out, const char* type,
              const std::vector<unsigned char>& data) {
    putU32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), out.data() + typeStart,
                            static_cast<uInt>(out.size() - typeStart));
    putU32(out, static_cast<std::uint32_t>(crc));
}

} // namespace

std::vector<unsigned char> OrbPngWriter::encode(const unsigned char* rgba, int width, int height) {
    if (rgba == nullptr || width <= 0 || height <= 0) {
        return {};
    }
    // Every row starts with its filter byte (0: none).
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    const std::size_t rawSize = (rowBytes + 1) * static_cast<std::size_t>(height);
    if (rowBytes / 4 != static_cast<std::size_t>(width) ||
        rawSize > std::numeric_limits<uLong>::max() / 2) {
        return {};
    }
    std::vector<unsigned char> raw(rawSize);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = raw.data() + static_cast<std::size_t>(y) * (rowBytes + 1);
        row[0] = 0;
        std::memcpy(row + 1, rgba + static_cast<std::size_t>(y) * rowBytes, rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rawSize));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(rawSize),
                  Z_BEST_SPEED) != Z_OK) {
        return {};
    }
    packed.resize(packedSize);

    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<unsigned char> header;
    putU32(header, static_cast<std::uint32_t>(width));
    putU32(header, static_cast<std::uint32_t>(height));
    header.push_back(8); // bits per channel
    header.push_back(6); // RGBA
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering
    header.push_back(0); // no interlace
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}
