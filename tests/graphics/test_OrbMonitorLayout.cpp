#include "graphics/OrbMonitorLayout.h"

#include <gtest/gtest.h>

namespace {

// Two monitors side by side; the primary has a panel along its top.
OrbMonitorLayout twoMonitors() {
    return OrbMonitorLayout({{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}},
                            {{0, 30, 1920, 1050}, {1920, 0, 1280, 1024}});
}

TEST(OrbMonitorLayout, DefaultWindowIsCentredOnThePrimaryMonitor) {
    const OrbMonitorLayout layout = twoMonitors();
    EXPECT_EQ(layout.defaultRect(800, 600), (OrbWindowRect{560, 240, 800, 600}));
    // Taller than the monitor: it starts at the top, never above it.
    EXPECT_EQ(layout.defaultRect(800, 2000).top, 0);
}

TEST(OrbMonitorLayout, StoredRectangleHalfOutsideEveryMonitorIsIgnored) {
    const OrbMonitorLayout layout = twoMonitors();
    const OrbWindowRect fallback = layout.defaultRect(800, 600);
    const OrbWindowRect halfOut{2600, 100, 800, 600}; // centre on monitor 2, right part off
    EXPECT_EQ(layout.initialRect(OrbWindowNormal, halfOut, fallback), fallback);
    const OrbWindowRect underPanel{100, 10, 800, 600}; // reaches above the work area
    EXPECT_EQ(layout.initialRect(OrbWindowNormal, underPanel, fallback), fallback);
    const OrbWindowRect inside{2000, 100, 800, 600};
    EXPECT_EQ(layout.initialRect(OrbWindowNormal, inside, fallback), inside);
    EXPECT_EQ(layout.initialRect(OrbWindowNormal, OrbWindowRect{}, fallback), fallback);
}

TEST(OrbMonitorLayout, MaximizedWindowsOpenOnTheMonitorOfTheStoredCentre) {
    const OrbMonitorLayout layout = twoMonitors();
    const OrbWindowRect fallback = layout.defaultRect(800, 600);
    const OrbWindowRect onSecond{2000, 100, 300, 200};
    EXPECT_EQ(layout.initialRect(OrbWindowMaximized, onSecond, fallback),
              (OrbWindowRect{1920 + 240, 212, 800, 600}));
    // Nowhere at all: the first work area.
    EXPECT_EQ(layout.initialRect(OrbWindowFullScreen, OrbWindowRect{-5000, 0, 10, 10}, fallback),
              (OrbWindowRect{560, 255, 800, 600}));
}

TEST(OrbMonitorLayout, FullScreenCoversTheMonitorHoldingTheCentre) {
    const OrbMonitorLayout layout = twoMonitors();
    EXPECT_EQ(layout.fullScreenRect({1700, 100, 800, 600}), (OrbWindowRect{1920, 0, 1280, 1024}));
    EXPECT_EQ(layout.fullScreenRect({100, 100, 800, 600}), (OrbWindowRect{0, 0, 1920, 1080}));
    EXPECT_EQ(layout.fullScreenRect({9000, 9000, 10, 10}), (OrbWindowRect{0, 0, 1920, 1080}));
    // Overlapping (mirrored) monitors: the later one wins.
    const OrbMonitorLayout mirrored({{0, 0, 1920, 1080}, {0, 0, 1280, 1024}}, {});
    EXPECT_EQ(mirrored.fullScreenRect({100, 100, 800, 600}), (OrbWindowRect{0, 0, 1280, 1024}));
}

TEST(OrbMonitorLayout, LeavingFullScreenWithoutSavedRectangleTakesHalfTheWorkArea) {
    const OrbMonitorLayout layout = twoMonitors();
    EXPECT_EQ(layout.halfWorkAreaRect({1920, 0, 1280, 1024}, 160, 100),
              (OrbWindowRect{1920 + 320, 256, 640, 512}));
    const OrbMonitorLayout tiny({{0, 0, 200, 100}}, {});
    EXPECT_EQ(tiny.halfWorkAreaRect({0, 0, 200, 100}, 160, 100), (OrbWindowRect{20, 0, 160, 100}));
}

TEST(OrbMonitorLayout, NoMonitorsMeansOneOfTheFallbackSize) {
    const OrbMonitorLayout layout({}, {}, 1024, 768);
    ASSERT_EQ(layout.bounds().size(), 1u);
    EXPECT_EQ(layout.bounds()[0], (OrbWindowRect{0, 0, 1024, 768}));
    EXPECT_EQ(layout.workAreas()[0], layout.bounds()[0]);
}

} // namespace
