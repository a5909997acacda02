#include "graphics/OrbClock.h"
#include "graphics/OrbFrameTimeFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(OrbFrameTimeFilter, AveragesTheRecentIntervals) {
    OrbFrameTimeFilter filter;
    EXPECT_EQ(filter.next(5.0), 0.0); // the first pass advances by nothing
    EXPECT_NEAR(filter.next(5.1), 0.1, 1e-12);
    EXPECT_NEAR(filter.next(5.3), 0.15, 1e-12);
    EXPECT_NEAR(filter.next(5.4), (5.4 - 5.0) / 3.0, 1e-12);
}

TEST(OrbFrameTimeFilter, KeepsAtMostTenFrames) {
    OrbFrameTimeFilter filter;
    for (int i = 0; i < 10; ++i) {
        filter.next(0.01 * i);
    }
    // Ten stamps 0.00 .. 0.09; the oldest goes before 0.10 is added.
    EXPECT_NEAR(filter.next(0.10), 0.10 / 10.0, 1e-12);
    EXPECT_NEAR(filter.next(0.50), (0.50 - 0.01) / 10.0, 1e-12);
}

TEST(OrbFrameTimeFilter, ForgetsFramesOlderThanOneSecond) {
    OrbFrameTimeFilter filter;
    filter.next(0.0);
    filter.next(0.1);
    filter.next(0.2);
    // After a stall only the last stamp is left, so the stall counts once.
    EXPECT_DOUBLE_EQ(filter.next(3.0), 2.8);
    EXPECT_DOUBLE_EQ(filter.next(3.5), 0.5);
}

TEST(OrbClock, CountsWithThePerformanceCounter) {
    const OrbClock clock(1000000, 5000000, 77);
    EXPECT_TRUE(clock.usesCounter());
    EXPECT_DOUBLE_EQ(clock.seconds(5000000, 0), 0.0);
    EXPECT_DOUBLE_EQ(clock.seconds(7500000, 0), 2.5);
}

TEST(OrbClock, FallsBackToMillisecondsWithoutACounter) {
    const OrbClock clock(0, 0, 1000);
    EXPECT_FALSE(clock.usesCounter());
    EXPECT_DOUBLE_EQ(clock.seconds(123, 1000), 0.0);
    EXPECT_DOUBLE_EQ(clock.seconds(456, 1001), 0.001);
    EXPECT_DOUBLE_EQ(clock.seconds(0, 3500), 2.5);
    // The 32-bit timer wraps after 49 days without the clock going backwards.
    const OrbClock late(0, 0, 0xfffffc18u);
    EXPECT_DOUBLE_EQ(late.seconds(0, 1000), 2.0);
}

TEST(OrbClock, ProgramClockNeverRunsBackwards) {
    const double a = OrbClock::now();
    const double b = OrbClock::now();
    EXPECT_GE(a, 0.0);
    EXPECT_GE(b, a);
}

} // namespace
