#include "platform/OrbCompressedMemoryReadStream.h"

#include "platform/OrbStreamException.h"

#include <climits>
#include <zlib.h>

OrbCompressedMemoryReadStream::OrbCompressedMemoryReadStream(int uncompressedSize,
                                                             const void* compressed,
                                                             int compressedSize)
    : OrbMemoryStream(inflate(uncompressedSize, compressed, compressedSize)) {}

OrbCompressedMemoryReadStream::OrbCompressedMemoryReadStream(const OrbEmbeddedData& data)
    : OrbCompressedMemoryReadStream(
          data.size > INT_MAX ? -1 : static_cast<int>(data.size), data.bytes,
          data.compressedSize > INT_MAX ? -1 : static_cast<int>(data.compressedSize)) {}

std::vector<unsigned char> OrbCompressedMemoryReadStream::inflate(int uncompressedSize,
                                                                  const void* compressed,
                                                                  int compressedSize) {
    if (uncompressedSize <= 0 || compressedSize <= 0 || compressed == nullptr) {
        throw OrbStreamException();
    }
    std::vector<unsigned char> data(static_cast<std::size_t>(uncompressedSize), 0);
    uLongf length = static_cast<uLongf>(uncompressedSize);
    const int result = uncompress(data.data(), &length, static_cast<const Bytef*>(compressed),
                                  static_cast<uLong>(compressedSize));
    // A stream that inflates to fewer bytes than promised is as damaged as one that
    // does not inflate at all: the missing tail would read as zero bytes.
    if (result != Z_OK || length != static_cast<uLongf>(uncompressedSize)) {
        throw OrbStreamException();
    }
    return data;
}

int OrbCompressedMemoryReadStream::write(const void*, int) {
    throw OrbStreamException();
}

int OrbCompressedMemoryReadStream::putByte(int) {
    throw OrbStreamException();
}

int OrbCompressedMemoryReadStream::flush() {
    throw OrbStreamException();
}
