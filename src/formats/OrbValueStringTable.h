#pragma once

#include "formats/OrbLessThanNoCase.h"

#include <cstddef>
#include <map>
#include <string>

// The names of one enumeration's values (compared ignoring case) and the code
// that stands for a name not in the table.
template <typename E> class OrbValueStringTable {
public:
    OrbValueStringTable(std::map<std::string, E, OrbLessThanNoCase> names, E notFound)
        : names_(std::move(names)), notFound_(notFound) {}

    // Builds the table from keyword strings indexed by enumeration value.
    template <std::size_t N>
    static OrbValueStringTable fromKeywords(const char* const (&keywords)[N], E notFound) {
        std::map<std::string, E, OrbLessThanNoCase> names;
        for (std::size_t i = 0; i < N; ++i) {
            names.emplace(keywords[i], static_cast<E>(i));
        }
        return OrbValueStringTable(std::move(names), notFound);
    }

    E lookup(std::string_view name) const {
        const auto found = names_.find(name);
        return found == names_.end() ? notFound_ : found->second;
    }
    bool contains(std::string_view name) const { return names_.find(name) != names_.end(); }
    E notFoundCode() const { return notFound_; }

private:
    std::map<std::string, E, OrbLessThanNoCase> names_;
    E notFound_;
};
