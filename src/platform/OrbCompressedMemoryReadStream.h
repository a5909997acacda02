#pragma once

#include "platform/OrbEmbeddedData.h"
#include "platform/OrbMemoryStream.h"

#include <vector>

// A read-only stream over data built into the program as a complete zlib stream.
// The whole content is inflated once by the constructor; a damaged or wrongly
// sized resource makes the constructor throw OrbStreamException. Reading works as
// for any memory stream; every write fails.
class OrbCompressedMemoryReadStream : public OrbMemoryStream {
public:
    OrbCompressedMemoryReadStream(int uncompressedSize, const void* compressed, int compressedSize);
    explicit OrbCompressedMemoryReadStream(const OrbEmbeddedData& data);

    int write(const void* buffer, int count) override;
    int putByte(int byte) override;
    int flush() override;

private:
    static std::vector<unsigned char> inflate(int uncompressedSize, const void* compressed,
                                              int compressedSize);
};
