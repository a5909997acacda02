#pragma once

#include "platform/OrbException.h"

// A line of a text file could not be read as what it should be. The reader's
// catch site turns it into a message naming the line.
class OrbParsingException : public OrbException {};
