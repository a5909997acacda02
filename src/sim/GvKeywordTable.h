#pragma once

#include <cstddef>
#include <string_view>

// Lookup in a table of file-format keywords indexed by enumeration value. Level
// designers write keywords in any letter case, so the comparison ignores case.
// Returns the index of the keyword, or -1 when the word is not in the table.
template <std::size_t N>
constexpr int keywordTableLookup(const char* const (&table)[N], std::string_view word) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < N; ++i) {
        const std::string_view entry(table[i]);
        if (entry.size() != word.size())
            continue;
        bool same = true;
        for (std::size_t k = 0; k < entry.size() && same; ++k)
            same = lower(entry[k]) == lower(word[k]);
        if (same)
            return int(i);
    }
    return -1;
}
