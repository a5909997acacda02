#pragma once

#include <cstddef>
#include <string_view>

// Lookup in a table of file-format keywords indexed by enumeration value. Level
// designers write keywords in any letter case, so the comparison ignores case.
// Returns the index of the keyword, or -1 when the word is not in the table.
template <std::size_t N>
constexpr int keywordTableLookup(const char* const (&table)[N], std::string_view word) {
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    // Compared up to the entry's terminator, so that no entry's length is measured;
    // most entries already differ in the first letter.
    const char first = word.empty() ? '\0' : lower(word[0]);
    for (std::size_t i = 0; i < N; ++i) {
        const char* entry = table[i];
        if (lower(entry[0]) != first) {
            continue;
        }
        std::size_t k = 0;
        while (k < word.size() && entry[k] != '\0' && lower(entry[k]) == lower(word[k])) {
            ++k;
        }
        if (k == word.size() && entry[k] == '\0') {
            return static_cast<int>(i);
        }
    }
    return -1;
}
