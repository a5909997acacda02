#pragma once

#include "sim/GvKeywordTable.h"

#include <optional>
#include <string_view>

// Camera mode of a cave: follow the player, or show the whole cave at once.
enum class GvPresentation : int {
    scrolling = 0,
    full = 1,
};

inline constexpr const char* kPresentationKeywords[] = {"scrolling", "full"};

constexpr const char* presentationKeyword(GvPresentation presentation) {
    return presentation == GvPresentation::full ? kPresentationKeywords[1]
                                                : kPresentationKeywords[0];
}

constexpr std::optional<GvPresentation> presentationFromKeyword(std::string_view word) {
    const int index = keywordTableLookup(kPresentationKeywords, word);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<GvPresentation>(index);
}
