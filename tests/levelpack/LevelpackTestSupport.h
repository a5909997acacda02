#pragma once

#include "levelpack/GvUnpackGrid.h"
#include "sim/GvRandomStream.h"

#include <cstdint>
#include <string>
#include <vector>

// Draws a grid as text, one character per cell in the raw-string alphabet of the
// pack format (space, '.' dirt, 'W' steel wall, 'r' boulder, 'd' diamond, ...),
// rows ending in '\n'.
inline std::string gridPicture(const GvUnpackGrid& grid) {
    static const char kChars[] = " .PXrRdDbBWwMGHV12345678asF-";
    std::string text;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            text += kChars[static_cast<int>(grid.typeAt(x, y))];
        }
        text += '\n';
    }
    return text;
}

// A stream that yields the given values in order (then zeros) and counts calls.
class ScriptedStream : public GvRandomStream {
public:
    explicit ScriptedStream(std::vector<std::uint32_t> values) : values_(std::move(values)) {}

    std::uint32_t next() override {
        const std::size_t i = calls_++;
        return i < values_.size() ? values_[i] : 0;
    }
    std::size_t calls() const { return calls_; }

private:
    std::vector<std::uint32_t> values_;
    std::size_t calls_ = 0;
};
