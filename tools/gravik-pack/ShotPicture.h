#pragma once

#include "game/GvShotRenderer.h"
#include "graphics/OrbPngWriter.h"

#include <charconv>
#include <fstream>
#include <string>

// Helpers shared by the commands that draw (shot and preview).

// Writes a picture as a PNG file; false with `error` set when it cannot.
inline bool writePicturePng(const GvShotRenderer::Picture& picture, const std::string& path,
                            std::string& error) {
    const auto bytes = OrbPngWriter::encode(picture.rgba.data(), picture.width, picture.height);
    if (bytes.empty()) {
        error = "the picture could not be encoded";
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        error = "cannot write '" + path + "'";
        return false;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

// A whole number in [minimum, maximum], or false.
inline bool parseBoundedNumber(const std::string& text, long long minimum, long long maximum,
                               long long& value) {
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    return parsed.ec == std::errc() && parsed.ptr == end && value >= minimum && value <= maximum;
}
