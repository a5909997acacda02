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
            if (releaseStep_ >= level_) {
                level_ = 0.0f;
                active_ = false;
                releasing_ = false;
            } else {
                level_ -= releaseStep_;
            }
        } else {
            Segment& s = segments_[segment_];
            level_ = std::clamp(level_ + s.step, 0.0f, 1.0f);
            if (--s.count == 0 && ++segment_ == segments_.size()) {
                active_ = false;
            }
        }
        levels[n++] = level_;
    }
    return n;
}
