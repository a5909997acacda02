#pragma once

#include "formats/OrbParsingException.h"

// A keyword got more or fewer values than it accepts.
class OrbParsingValueCountException : public OrbParsingException {};
