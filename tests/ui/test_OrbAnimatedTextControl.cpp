#include "ui/OrbAnimatedTextControl.h"

#include "UiTestSupport.h"
#include "ui/OrbMultiTextControl.h"
#include "ui/OrbTextControl.h"

#include <gtest/gtest.h>

// Fade 1 s, hold 3 s.
static OrbAnimatedTextControl makeText(bool loop, std::vector<std::string> lines = {"one", "two"},
                                       OrbFont* font = nullptr) {
    return OrbAnimatedTextControl(nullptr, font, std::move(lines), OrbPoint{0, 0}, 3.0f,
                                  OrbColor{1, 1, 1, 0.5f}, 0, 1.0, 3.0, loop);
}

TEST(OrbAnimatedTextControl, EachLineFadesInHoldsAndFadesOut) {
    auto text = makeText(false);
    text.reset();
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kFadingIn);
    EXPECT_EQ(text.shownText(), "one");
    EXPECT_FLOAT_EQ(text.fade(), 0.0f);
    text.tick(0.25);
    EXPECT_FLOAT_EQ(text.fade(), 0.25f);
    text.tick(1.0);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kHolding);
    EXPECT_FLOAT_EQ(text.fade(), 1.0f);
    text.tick(3.0);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kFadingOut);
    EXPECT_NEAR(text.fade(), 0.75, 1e-6);
    text.tick(1.0);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kFadingIn);
    EXPECT_EQ(text.shownText(), "two");
    EXPECT_NEAR(text.fade(), 0.25, 1e-6);
}

TEST(OrbAnimatedTextControl, ANonLoopingTextStopsAfterItsLastLine) {
    auto text = makeText(false);
    text.reset();
    text.tick(100.0); // one long frame runs through every phase
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kStopped);
    EXPECT_EQ(text.shownText(), "");
    EXPECT_FLOAT_EQ(text.fade(), 0.0f);
    text.tick(1.0);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kStopped);
    // Showing it again starts over.
    text.reset();
    EXPECT_EQ(text.shownText(), "one");
}

TEST(OrbAnimatedTextControl, ALoopingTextStartsAgainAndNegativeTimeCountsAsNone) {
    auto text = makeText(true);
    text.reset();
    text.tick(-5.0);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kFadingIn);
    EXPECT_FLOAT_EQ(text.fade(), 0.0f);
    text.tick(10.0); // one full line of 5 s, then the whole of the second
    EXPECT_EQ(text.index(), 1);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kFadingOut);
    text.tick(0.5);
    EXPECT_EQ(text.index(), 0);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kFadingIn);
}

TEST(OrbAnimatedTextControl, DegenerateTimingsDoNotHang) {
    OrbAnimatedTextControl text(nullptr, nullptr, {"a", "b"}, OrbPoint{}, 1.0f, OrbColor{}, 0, 0.0,
                                0.0, true);
    text.tick(1.0);
    EXPECT_EQ(text.phase(), OrbAnimatedTextControl::kStopped);
    auto empty = makeText(true, {});
    empty.tick(2.0);
    EXPECT_EQ(empty.shownText(), "");
}

TEST(OrbAnimatedTextControl, BoundsCoverTheLargestLine) {
    auto font = makeTestFont();
    auto text = makeText(false, {"I", "WWWW", "WW"}, font.get());
    const OrbRect wide = font->layout("WWWW", OrbPoint{0, 0}, 3.0f, 0, 0, 1.0f, true);
    EXPECT_EQ(text.bounds(), wide);
    text.tick(10.0);
    EXPECT_EQ(text.bounds(), wide);
    text.moveBy(OrbPoint{2, 1});
    EXPECT_FLOAT_EQ(text.bounds().x, wide.x + 2);
    EXPECT_FLOAT_EQ(text.bounds().y, wide.y + 1);
}

TEST(OrbTextControl, BoundsFollowTheTextAndTheAnchor) {
    auto font = makeTestFont();
    OrbTextControl text(nullptr, font.get(), "AB", OrbPoint{10, 10}, 5.0f, OrbColor{}, 0x23);
    EXPECT_FALSE(text.focusOnClick());
    const float w = font->textWidth("AB", 5.0f, 0, 1.0f, true);
    EXPECT_EQ(text.bounds(), (OrbRect{10 - w, 7.5f, w, 5}));
    text.setText("ABCD");
    EXPECT_FLOAT_EQ(text.bounds().width, font->textWidth("ABCD", 5.0f, 0, 1.0f, true));
    text.moveBy(OrbPoint{1, 1});
    EXPECT_FLOAT_EQ(text.bounds().y, 8.5f);
}

TEST(OrbMultiTextControl, BoundsAreTheUnionOfTheRuns) {
    auto font = makeTestFont();
    OrbMultiTextControl multi(nullptr, font.get());
    EXPECT_EQ(multi.bounds(), OrbRect{});
    multi.addText("A", OrbPoint{0, 0}, 4.0f, OrbColor{}, 0);
    multi.addText("A", OrbPoint{50, -10}, 4.0f, OrbColor{}, 0x03);
    const float w = font->textWidth("A", 4.0f, 0, 1.0f, true);
    EXPECT_EQ(multi.bounds(), (OrbRect{0, -10, 50, 14}));
    multi.moveBy(OrbPoint{1, 2});
    EXPECT_EQ(multi.bounds(), (OrbRect{1, -8, 50, 14}));
    EXPECT_GT(w, 0.0f);
}
