#pragma once

#include <string_view>

// Orders names ignoring ASCII letter case, for tables that level designers write
// in any case.
struct OrbLessThanNoCase {
    using is_transparent = void;

    bool operator()(std::string_view a, std::string_view b) const {
        const std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char ca = lower(a[i]);
            const unsigned char cb = lower(b[i]);
            if (ca != cb) {
                return ca < cb;
            }
        }
        return a.size() < b.size();
    }

private:
    static unsigned char lower(char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
    }
};
