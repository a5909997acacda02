#pragma once

#include "formats/OrbValueSpec.h"

#include <string>
#include <typeinfo>

// One value read from a line, as the kind in its value spec says: only the field
// of that kind is meaningful (and for an enum name the text holds the name too).
struct OrbValue {
    OrbValueSpec::Kind kind = OrbValueSpec::Kind::integer;
    int integer = 0;
    float real = 0.0f;
    std::string text;
    int code = 0;
    const std::type_info* enumType = nullptr;
};
