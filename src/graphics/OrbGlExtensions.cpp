#include "graphics/OrbGlExtensions.h"

#include <GL/gl.h>

bool OrbGlExtensions::listContains(std::string_view list, std::string_view name) {
    if (name.empty()) {
        return false;
    }
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t end = std::min(list.find(' ', pos), list.size());
        if (list.substr(pos, end - pos) == name) {
            return true;
        }
        pos = end + 1;
    }
    return false;
}

bool OrbGlExtensions::has(std::string_view name) {
    const auto* list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return list != nullptr && listContains(list, name);
}
