#pragma once

#include "formats/OrbParsingException.h"

// A value is well formed but not allowed: out of range, or a name that is not in
// its table. `index` is the 0-based position of the value on its line, or -1 when
// the error concerns the line as a whole.
class OrbParsingRangeException : public OrbParsingException {
public:
    explicit OrbParsingRangeException(int valueIndex = -1) : index(valueIndex) {}

    int index;
};
