#pragma once

#include "platform/OrbUncopyable.h"

// Receives a value the user chose, such as the volume a slider was dragged to.
template <typename T> class OrbSetValueCallback : public OrbUncopyable {
public:
    virtual ~OrbSetValueCallback() = default;
    virtual void set(T value) = 0;
};
