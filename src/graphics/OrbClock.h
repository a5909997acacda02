#pragma once

#include <cstdint>

// The program clock: seconds since its first reading. It counts with the
// high-resolution performance counter, or, where that reports no frequency, with the
// millisecond timer. An instance holds one starting reading; `now` is the one
// process-wide clock the game and the window loop share.
class OrbClock {
public:
    // A frequency of 0 means there is no performance counter.
    OrbClock(std::uint64_t frequency, std::uint64_t counter, std::uint32_t milliseconds);

    double seconds(std::uint64_t counter, std::uint32_t milliseconds) const;
    bool usesCounter() const { return frequency_ != 0; }

    static double now();
    // Whole seconds of the calendar (since 1970, UTC): different on every run, for
    // what should not look the same each time the game starts.
    static std::int64_t calendarSeconds();

private:
    std::uint64_t frequency_;
    std::uint64_t startCounter_;
    std::uint32_t startMilliseconds_;
};
