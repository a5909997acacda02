#pragma once

#include "platform/OrbException.h"

// Base of the failures of building a texture.
class OrbTextureException : public OrbException {};
