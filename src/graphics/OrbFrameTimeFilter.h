#pragma once

#include <deque>

// Smooths the time the game advances per frame: the average interval of the recent
// frames, over at most 10 frames and at most the last second, so one slow frame
// does not make the game jump.
class OrbFrameTimeFilter {
public:
    static constexpr std::size_t kMaxFrames = 10;
    static constexpr double kWindowSeconds = 1.0;

    // Called once per loop pass with the current clock; answers the frame time.
    double next(double now);

private:
    std::deque<double> stamps_;
};
