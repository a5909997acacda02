#pragma once

#include "platform/OrbStream.h"

#include <string>
#include <vector>

// A read/write stream over a growable byte buffer held in memory. Writing past the
// end extends the buffer (a gap is filled with zero bytes). Used to feed parsers
// from strings and to build byte records before they go to a file.
class OrbMemoryStream : public OrbStream {
public:
    OrbMemoryStream() = default;
    explicit OrbMemoryStream(const std::string& bytes);
    explicit OrbMemoryStream(std::vector<unsigned char> bytes);

    void seek(int position) override;
    int tell() override { return position_; }
    int size() override { return static_cast<int>(data_.size()); }
    bool read(void* buffer, int count) override;
    int getByte() override;
    int peekByte() override;
    bool readLine(std::string& line) override;
    int write(const void* buffer, int count) override;
    int putByte(int byte) override;
    int flush() override { return 0; }

    const std::vector<unsigned char>& bytes() const { return data_; }

private:
    std::vector<unsigned char> data_;
    int position_ = 0;
};
