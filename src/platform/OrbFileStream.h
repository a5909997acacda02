#pragma once

#include "platform/OrbStream.h"

#include <cstdio>
#include <memory>
#include <string>

// A stream over a disk file opened for reading or for writing (never both). Every
// failed operation throws OrbStreamException, except that reading at the end gives
// -1 from getByte/peekByte.
class OrbFileStream : public OrbStream {
public:
    // Opens `path` for reading, or for writing (an existing file is truncated).
    // Returns null when the path is empty or the file cannot be opened.
    static std::unique_ptr<OrbFileStream> open(const std::string& path, bool forWriting);

    ~OrbFileStream() override;

    void seek(int position) override;
    int tell() override;
    int size() override;
    bool read(void* buffer, int count) override;
    int getByte() override;
    int peekByte() override;
    int write(const void* buffer, int count) override;
    int putByte(int byte) override;
    int flush() override;

    const std::string& path() const { return path_; }
    bool isWriting() const { return writing_ != 0; }

private:
    OrbFileStream(std::FILE* file, std::string path, bool forWriting);

    std::FILE* file_;
    std::string path_;
    int writing_;
};
