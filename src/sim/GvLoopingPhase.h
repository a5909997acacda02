#pragma once

#include "platform/OrbLinearAnimationPath.h"

#include <cmath>

// A presentation phase that loops in [0, 1) with a fixed period in seconds, used
// for the animation frames of objects that all move in step (amoeba, slime, bombs).
class GvLoopingPhase {
public:
    explicit GvLoopingPhase(float periodSeconds = 1.0f) : period(periodSeconds) {}

    void advance(float seconds) {
        if (period <= 0.0f || !(seconds > 0.0f)) {
            return;
        }
        phase = phase + seconds / period;
        phase -= std::floor(phase);
        if (phase >= 1.0f) {
            phase = 0.0f;
        }
    }
    float value() const { return path.value(phase); }

    float phase = 0.0f;
    OrbLinearAnimationPath<float> path;
    float period;
};
