#pragma once

#include "platform/OrbAnimationPath.h"

// The identity path: the value is the time itself.
template <typename T> class OrbLinearAnimationPath : public OrbAnimationPath<T> {
public:
    T value(T time) const override { return time; }
};
