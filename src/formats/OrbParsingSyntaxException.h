#pragma once

#include "formats/OrbParsingException.h"

// A line or a value has the wrong form (not a number, not a quoted string, a
// keyword that does not belong where it stands).
class OrbParsingSyntaxException : public OrbParsingException {};
