#pragma once

#include "sim/GvKeywordTable.h"

#include <optional>
#include <string_view>

// Rule variant of a cave: the program's own rules or the classic ones, which skip
// the already-moved tests and allow pushing over a gap.
enum class GvPhysics : int {
    gravik_1 = 0,
    retro = 1,
};

inline constexpr const char* kPhysicsKeywords[] = {"gravik_1", "retro"};

constexpr const char* physicsKeyword(GvPhysics physics) {
    return physics == GvPhysics::retro ? kPhysicsKeywords[1] : kPhysicsKeywords[0];
}

constexpr std::optional<GvPhysics> physicsFromKeyword(std::string_view word) {
    const int index = keywordTableLookup(kPhysicsKeywords, word);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<GvPhysics>(index);
}
