#include "platform/OrbFileStream.h"

#include "platform/OrbStreamException.h"

#include <climits>

std::unique_ptr<OrbFileStream> OrbFileStream::open(const std::string& path, bool forWriting) {
    if (path.empty()) {
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), forWriting ? "wb" : "rb");
    if (file == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<OrbFileStream>(new OrbFileStream(file, path, forWriting));
}

OrbFileStream::OrbFileStream(std::FILE* file, std::string path, bool forWriting)
    : file_(file), path_(std::move(path)), writing_(forWriting ? 1 : 0) {}

OrbFileStream::~OrbFileStream() {
    std::fclose(file_);
}

void OrbFileStream::seek(int position) {
    if (position < 0 || std::fseek(file_, position, SEEK_SET) != 0) {
        throw OrbStreamException();
    }
}

int OrbFileStream::tell() {
    const long position = std::ftell(file_);
    // Positions are ints throughout the program; a file beyond that cannot be handled.
    if (position < 0 || position > INT_MAX) {
        throw OrbStreamException();
    }
    return static_cast<int>(position);
}

int OrbFileStream::size() {
    const int position = tell();
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        throw OrbStreamException();
    }
    const int length = tell();
    seek(position);
    return length;
}

bool OrbFileStream::read(void* buffer, int count) {
    if (count < 0) {
        throw OrbStreamException();
    }
    if (std::fread(buffer, 1, static_cast<std::size_t>(count), file_) !=
        static_cast<std::size_t>(count)) {
        throw OrbStreamException();
    }
    return std::feof(file_) == 0;
}

int OrbFileStream::getByte() {
    const int byte = std::fgetc(file_);
    return byte == EOF ? -1 : byte;
}

int OrbFileStream::peekByte() {
    // One pushed-back character is always allowed, and unlike seeking back it keeps
    // the read buffer.
    const int byte = std::fgetc(file_);
    if (byte == EOF) {
        return -1;
    }
    if (std::ungetc(byte, file_) == EOF) {
        throw OrbStreamException();
    }
    return byte;
}

int OrbFileStream::write(const void* buffer, int count) {
    if (count < 0) {
        throw OrbStreamException();
    }
    if (std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_) !=
        static_cast<std::size_t>(count)) {
        throw OrbStreamException();
    }
    return count;
}

int OrbFileStream::putByte(int byte) {
    const int written = std::fputc(byte & 0xFF, file_);
    if (written == EOF) {
        throw OrbStreamException();
    }
    return written;
}

int OrbFileStream::flush() {
    if (std::fflush(file_) != 0) {
        throw OrbStreamException();
    }
    return 0;
}
