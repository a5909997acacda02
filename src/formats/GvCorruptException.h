#pragma once

#include "platform/OrbException.h"

// Data built into the program (the standard level pack) is damaged: it does not
// inflate, or what it inflates to cannot be read. Nothing can be done about it at
// run time; the program ends and asks for a fresh installation.
class GvCorruptException : public OrbException {};
