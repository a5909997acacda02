#include "platform/OrbStream.h"

bool OrbStream::readLine(std::string& line) {
    line.clear();
    // Asking for one more byte says the same as comparing position and size, without
    // making a file stream find its size (two seeks) for every line.
    if (peekByte() < 0) {
        return false;
    }
    for (;;) {
        const int byte = getByte();
        if (byte < 0 || byte == '\n') {
            break;
        }
        if (byte == '\r') {
            if (peekByte() == '\n') {
                getByte();
            }
            break;
        }
        line.push_back(static_cast<char>(byte));
    }
    return true;
}
