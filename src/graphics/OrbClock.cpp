#include "graphics/OrbClock.h"

#include <SDL.h>
#include <chrono>

OrbClock::OrbClock(std::uint64_t frequency, std::uint64_t counter, std::uint32_t milliseconds)
    : frequency_(frequency), startCounter_(counter), startMilliseconds_(milliseconds) {}

double OrbClock::seconds(std::uint64_t counter, std::uint32_t milliseconds) const {
    if (frequency_ != 0) {
        return static_cast<double>(counter - startCounter_) / static_cast<double>(frequency_);
    }
    // Unsigned subtraction keeps the count right across a wrap of the 32-bit timer.
    return static_cast<double>(static_cast<std::uint32_t>(milliseconds - startMilliseconds_)) /
           1000.0;
}

double OrbClock::now() {
    static const OrbClock clock(SDL_GetPerformanceFrequency(), SDL_GetPerformanceCounter(),
                                SDL_GetTicks());
    return clock.seconds(SDL_GetPerformanceCounter(), SDL_GetTicks());
}

std::int64_t OrbClock::calendarSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
