#include "platform/OrbMemoryStream.h"

#include "platform/OrbStreamException.h"

#include <climits>
#include <cstring>

OrbMemoryStream::OrbMemoryStream(const std::string& bytes) : data_(bytes.begin(), bytes.end()) {
    if (data_.size() > INT_MAX) {
        throw OrbStreamException();
    }
}

OrbMemoryStream::OrbMemoryStream(std::vector<unsigned char> bytes) : data_(std::move(bytes)) {
    if (data_.size() > INT_MAX) {
        throw OrbStreamException();
    }
}

void OrbMemoryStream::seek(int position) {
    if (position < 0) {
        throw OrbStreamException();
    }
    position_ = position;
}

bool OrbMemoryStream::read(void* buffer, int count) {
    if (count < 0 || static_cast<long long>(position_) + count > size()) {
        throw OrbStreamException();
    }
    if (count > 0) {
        std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(count));
    }
    position_ += count;
    return position_ < size();
}

int OrbMemoryStream::getByte() {
    const int byte = peekByte();
    if (byte >= 0) {
        ++position_;
    }
    return byte;
}

int OrbMemoryStream::peekByte() {
    if (position_ >= size()) {
        return -1;
    }
    return data_[static_cast<std::size_t>(position_)];
}

bool OrbMemoryStream::readLine(std::string& line) {
    line.clear();
    if (position_ >= size()) {
        return false;
    }
    // The whole line at once rather than a byte at a time.
    const unsigned char* const begin = data_.data() + position_;
    const unsigned char* const end = data_.data() + data_.size();
    const unsigned char* stop = begin;
    while (stop != end && *stop != '\n' && *stop != '\r') {
        ++stop;
    }
    line.assign(begin, stop);
    if (stop != end) {
        ++stop;
        if (stop[-1] == '\r' && stop != end && *stop == '\n') {
            ++stop;
        }
    }
    position_ = static_cast<int>(stop - data_.data());
    return true;
}

int OrbMemoryStream::write(const void* buffer, int count) {
    if (count < 0 || static_cast<long long>(position_) + count > INT_MAX) {
        throw OrbStreamException();
    }
    const std::size_t end = static_cast<std::size_t>(position_) + static_cast<std::size_t>(count);
    if (end > data_.size()) {
        data_.resize(end, 0);
    }
    if (count > 0) {
        std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
    }
    position_ += count;
    return count;
}

int OrbMemoryStream::putByte(int byte) {
    const unsigned char value = static_cast<unsigned char>(byte & 0xFF);
    write(&value, 1);
    return value;
}
