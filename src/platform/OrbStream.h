#pragma once

#include "platform/OrbUncopyable.h"

#include <string>

// The byte stream through which every file and embedded resource is read or
// written. Positions and sizes are byte counts from the start of the stream.
class OrbStream : public OrbUncopyable {
public:
    virtual ~OrbStream() = default;

    virtual void seek(int position) = 0;
    virtual int tell() = 0;
    virtual int size() = 0;
    // Reads exactly `count` bytes (or throws); the result tells whether more data follows.
    virtual bool read(void* buffer, int count) = 0;
    // The next byte 0..255, or -1 at the end.
    virtual int getByte() = 0;
    virtual int peekByte() = 0;
    // Reads one line ended by LF, CR or CR LF (the terminator is not stored). A last
    // line without terminator is still a line; false only when no byte is left.
    virtual bool readLine(std::string& line);
    virtual int write(const void* buffer, int count) = 0;
    virtual int putByte(int byte) = 0;
    virtual int flush() = 0;
};
