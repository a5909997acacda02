#pragma once

#include "platform/OrbException.h"

// A stream operation failed (open, seek, read, write, decompression). It carries no
// text: the caller knows which file it was working on and says so itself.
class OrbStreamException : public OrbException {};
