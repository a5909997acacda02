#pragma once

#include "graphics/OrbTextureException.h"

// An embedded image did not inflate to exactly its expected size: the program's
// own data is damaged.
class OrbCorruptDataTextureException : public OrbTextureException {};
