#include "platform/OrbCompressedMemoryReadStream.h"

#include "platform/OrbStreamException.h"

#include <climits>
#include <cstring>
#include <zlib.h>

OrbCompressedMemoryReadStream::OrbCompressedMemoryReadStream(int uncompressedSize,
                                                             const void* compressed,
                                                             int compressedSize) {
    if (uncompressedSize <= 0 || compressedSize <= 0 || compressed == nullptr) {
        throw OrbStreamException();
    }
    data_.assign(static_cast<std::size_t>(uncompressedSize), 0);
    uLongf length = static_cast<uLongf>(uncompressedSize);
    const int result = uncompress(data_.data(), &length, static_cast<const Bytef*>(compressed),
                                  static_cast<uLong>(compressedSize));
    // A stream that inflates to fewer bytes than promised is as damaged as one that
    // does not inflate at all: the missing tail would read as zero bytes.
    if (result != Z_OK || length != static_cast<uLongf>(uncompressedSize)) {
        throw OrbStreamException();
    }
}

OrbCompressedMemoryReadStream::OrbCompressedMemoryReadStream(const OrbEmbeddedData& data)
    : OrbCompressedMemoryReadStream(
          data.size > INT_MAX ? -1 : static_cast<int>(data.size), data.bytes,
          data.compressedSize > INT_MAX ? -1 : static_cast<int>(data.compressedSize)) {}

void OrbCompressedMemoryReadStream::seek(int position) {
    // Beyond the end is allowed (reads then find nothing); before the start is not.
    if (position < 0) {
        throw OrbStreamException();
    }
    position_ = position;
}

bool OrbCompressedMemoryReadStream::read(void* buffer, int count) {
    if (count < 0 || static_cast<long long>(position_) + count > size()) {
        throw OrbStreamException();
    }
    if (count > 0) {
        std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(count));
    }
    position_ += count;
    return position_ < size();
}

int OrbCompressedMemoryReadStream::getByte() {
    const int byte = peekByte();
    if (byte >= 0) {
        ++position_;
    }
    return byte;
}

int OrbCompressedMemoryReadStream::peekByte() {
    if (position_ >= size()) {
        return -1;
    }
    return data_[static_cast<std::size_t>(position_)];
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
