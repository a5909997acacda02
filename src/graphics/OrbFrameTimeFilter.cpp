#include "graphics/OrbFrameTimeFilter.h"

double OrbFrameTimeFilter::next(double now) {
    while (stamps_.size() > 1 && now - stamps_.front() > kWindowSeconds) {
        stamps_.pop_front();
    }
    const double frameTime =
        stamps_.empty() ? 0.0 : (now - stamps_.front()) / static_cast<double>(stamps_.size());
    if (stamps_.size() == kMaxFrames) {
        stamps_.pop_front();
    }
    stamps_.push_back(now);
    return frameTime;
}
