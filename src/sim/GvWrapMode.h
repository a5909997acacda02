#pragma once

#include "sim/GvKeywordTable.h"

#include <optional>
#include <string_view>

// What lies beyond the cave's edges: nothing, the opposite edge in one or both
// axes, or ("stepped") the start of the next row, the last row joining the first.
enum class GvWrapMode : int {
    none = 0,
    horizontal = 1,
    vertical = 2,
    all = 3,
    stepped = 4,
};

inline constexpr const char* kWrapModeKeywords[] = {"none", "horizontal", "vertical", "all",
                                                    "stepped"};

constexpr const char* wrapModeKeyword(GvWrapMode mode) {
    const int value = static_cast<int>(mode);
    return (value >= 0 && value < 5) ? kWrapModeKeywords[value] : kWrapModeKeywords[0];
}

constexpr std::optional<GvWrapMode> wrapModeFromKeyword(std::string_view word) {
    const int index = keywordTableLookup(kWrapModeKeywords, word);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<GvWrapMode>(index);
}
