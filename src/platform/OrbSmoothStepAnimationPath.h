#pragma once

#include "platform/OrbAnimationPath.h"

#include <algorithm>

// An envelope that rises smoothly from 0 to 1, holds, then falls back to 0. The
// turn point only decides which half applies, so a fall can start before the rise
// has finished without a jump in the rising half.
template <typename T> class OrbSmoothStepAnimationPath : public OrbAnimationPath<T> {
public:
    OrbSmoothStepAnimationPath(T rampLength, T riseStart, T turnPoint, T fallStart)
        : rampLength_(rampLength), riseStart_(riseStart), turnPoint_(turnPoint),
          fallStart_(fallStart) {}

    T value(T time) const override {
        if (time < turnPoint_) {
            if (time < riseStart_) {
                return static_cast<T>(0);
            }
            return step((time - riseStart_) / rampLength_);
        }
        if (time < fallStart_) {
            return static_cast<T>(1);
        }
        return static_cast<T>(1) - step((time - fallStart_) / rampLength_);
    }

private:
    static T step(T u) {
        u = std::clamp(u, static_cast<T>(0), static_cast<T>(1));
        return u * u * (static_cast<T>(3) - static_cast<T>(2) * u);
    }

    T rampLength_;
    T riseStart_;
    T turnPoint_;
    T fallStart_;
};
