#pragma once

#include "platform/OrbUncopyable.h"

// Supplies a value on demand, such as the volume a slider shows.
template <typename T> class OrbValueCallback : public OrbUncopyable {
public:
    virtual ~OrbValueCallback() = default;
    virtual T get() const = 0;
};
