#include "audio/OrbEnvelope.h"

#include <algorithm>
#include <cmath>

OrbEnvelope::OrbEnvelope(int sampleRate) : sampleRate_(sampleRate > 0 ? sampleRate : 1) {
    releaseStep_ = 1.0f / static_cast<float>(std::max(1, samplesFor(4.0)));
    segments_.reserve(4); // start() never allocates afterwards
}

int OrbEnvelope::samplesFor(double milliseconds) const {
    const double samples = std::floor(milliseconds * sampleRate_ * 0.001 + 0.5);
    // Negative or absurd times would otherwise overflow the count.
    return samples > 0.0 ? static_cast<int>(std::min(samples, 2147483647.0)) : 0;
}

void OrbEnvelope::addSegment(int samples, float from, float to) {
    if (samples == 0) {
        if (segments_.empty()) {
            level_ = to;
            return;
        }
        samples = 1;
    }
    segments_.push_back({samples, (to - from) / static_cast<float>(samples)});
}

void OrbEnvelope::start(float peak, double attack, double decay, float sustain, double hold,
                        double release) {
    level_ = 0.0f;
    active_ = true;
    releasing_ = false;
    segment_ = 0;
    segments_.clear();
    addSegment(samplesFor(attack), 0.0f, peak);
    addSegment(samplesFor(decay), peak, sustain);
    addSegment(samplesFor(hold), sustain, sustain);
    addSegment(samplesFor(release), sustain, 0.0f);
    if (segments_.empty()) {
        active_ = false;
    }
}

void OrbEnvelope::stopNote(bool immediately) {
    if (immediately) {
        active_ = false;
        releasing_ = false;
        level_ = 0.0f;
    } else if (active_) {
        releasing_ = true;
    }
}

int OrbEnvelope::render(int frames, float* levels) {
    int n = 0;
    while (n < frames && active_) {
        if (releasing_) {
            n += renderRelease(frames - n, levels + n);
            continue;
        }
        Segment& s = segments_[segment_];
        const int run = std::min(frames - n, s.count);
        renderRamp(s.step, run, levels + n);
        n += run;
        s.count -= run;
        if (s.count == 0 && ++segment_ == segments_.size()) {
            active_ = false;
        }
    }
    return n;
}

void OrbEnvelope::renderRamp(float step, int count, float* levels) {
    const float start = level_;
    float level = start;
    if (start >= 0.0f && start <= 1.0f) {
        // Each rounded sum moves the same way as the step, so when the last level
        // is still inside 0..1 so were all before it and none needed clamping.
        for (int k = 0; k < count; ++k) {
            level += step;
            levels[k] = level;
        }
        if (level >= 0.0f && level <= 1.0f) {
            level_ = level;
            return;
        }
        level = start;
    }
    for (int k = 0; k < count; ++k) {
        level = std::clamp(level + step, 0.0f, 1.0f);
        levels[k] = level;
    }
    level_ = level;
}

int OrbEnvelope::renderRelease(int frames, float* levels) {
    float level = level_;
    int k = 0;
    while (k < frames) {
        if (releaseStep_ >= level) {
            level = 0.0f;
            active_ = false;
            releasing_ = false;
            levels[k++] = level;
            break;
        }
        level -= releaseStep_;
        levels[k++] = level;
    }
    level_ = level;
    return k;
}
