#include "game/drawing/GvStatusLine.h"

#include "game/drawing/GvResources.h"
#include "sim/GvWorld.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A world with `seconds` of game time left at 10 ticks per second.
void leaveSeconds(GvWorld& world, int gameTicks, int ticksPlayed) {
    world.tick_rate = 10.0f;
    world.pre_game_ticks = 0;
    world.game_ticks = gameTicks;
    world.tick_count = ticksPlayed;
    world.tick_fraction = 0.0f;
}

// How far a colour lies from red (0) towards dark red (1), by its red channel.
float towardsDark(const OrbColor& colour) {
    const float red = GvResources::makeColour(1.0f, 0.0f, 0.0f).r;
    const float dark = GvResources::makeColour(0.4f, 0.0f, 0.0f).r;
    return (colour.r - red) / (dark - red);
}

} // namespace

TEST(GvStatusLine, ClockIsPlainWhileTimeIsPlentiful) {
    GvWorld world;
    leaveSeconds(world, 600, 0); // 60 s
    EXPECT_EQ(GvStatusLine::clockColour(world, 0.0, true), GvResources::makeColour(1, 1, 0));
    EXPECT_EQ(GvStatusLine::clockColour(world, 0.0, false), GvResources::makeColour(1, 1, 1));
    leaveSeconds(world, 600, 499); // 10.1 s
    EXPECT_EQ(GvStatusLine::clockColour(world, 0.3, false), GvResources::makeColour(1, 1, 1));
}

TEST(GvStatusLine, ClockPulsesFromTenSecondsOnAndKeepsPulsingAtZero) {
    GvWorld world;
    leaveSeconds(world, 600, 500); // exactly 10 s: the pulse starts at red
    EXPECT_NEAR(towardsDark(GvStatusLine::clockColour(world, 0.0, false)), 0.0f, 1e-5f);
    EXPECT_EQ(GvStatusLine::clockColour(world, 0.0, true),
              GvStatusLine::clockColour(world, 0.0, false));
    // Half a second later the smooth step is half way; a second later it is back.
    leaveSeconds(world, 600, 595);
    EXPECT_NEAR(towardsDark(GvStatusLine::clockColour(world, 0.0, false)), 0.5f, 1e-4f);
    leaveSeconds(world, 600, 598); // 0.8 into the second: u = 0.896
    EXPECT_NEAR(towardsDark(GvStatusLine::clockColour(world, 0.0, false)), 0.896f, 1e-3f);
    leaveSeconds(world, 600, 590);
    EXPECT_NEAR(towardsDark(GvStatusLine::clockColour(world, 0.0, false)), 0.0f, 1e-4f);

    // At 000 the countdown stands still, so the program clock drives the pulse.
    leaveSeconds(world, 600, 600);
    ASSERT_EQ(world.remainingSeconds(), 0.0f);
    const float a = towardsDark(GvStatusLine::clockColour(world, 7.0, false));
    const float b = towardsDark(GvStatusLine::clockColour(world, 7.5, false));
    const float c = towardsDark(GvStatusLine::clockColour(world, 8.25, true));
    EXPECT_NEAR(a, 0.0f, 1e-4f);
    EXPECT_NEAR(b, 0.5f, 1e-4f);
    EXPECT_NEAR(c, 0.15625f, 1e-4f);
    leaveSeconds(world, 600, 2000);
    EXPECT_NEAR(towardsDark(GvStatusLine::clockColour(world, 7.5, false)), 0.5f, 1e-4f);

    // A cave without game time pulses too.
    leaveSeconds(world, 0, 0);
    EXPECT_NEAR(towardsDark(GvStatusLine::clockColour(world, 3.5, false)), 0.5f, 1e-4f);
}
