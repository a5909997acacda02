#pragma once

#include "platform/OrbEmbeddedData.h"
#include "platform/OrbStream.h"

#include <vector>

// A read-only stream over data built into the program as a complete zlib stream.
// The whole content is inflated once by the constructor; a damaged or wrongly
// sized resource makes the constructor throw OrbStreamException.
class OrbCompressedMemoryReadStream : public OrbStream {
public:
    OrbCompressedMemoryReadStream(int uncompressedSize, const void* compressed, int compressedSize);
    explicit OrbCompressedMemoryReadStream(const OrbEmbeddedData& data);

    void seek(int position) override;
    int tell() override { return position_; }
    int size() override { return static_cast<int>(data_.size()); }
    bool read(void* buffer, int count) override;
    int getByte() override;
    int peekByte() override;
    int write(const void* buffer, int count) override;
    int putByte(int byte) override;
    int flush() override;

private:
    std::vector<unsigned char> data_;
    int position_ = 0;
};
