#pragma once

#include <string_view>

// Looks up extensions of the current GL context. The list is searched word by word
// so that one name that begins another ("GL_EXT_x" in "GL_EXT_x_y") does not match.
class OrbGlExtensions {
public:
    static bool listContains(std::string_view list, std::string_view name);
    // Needs a current context; false without one.
    static bool has(std::string_view name);
};
