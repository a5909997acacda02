#include "ui/OrbButtonControl.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"
#include "ui/OrbGroupControl.h"

#include <gtest/gtest.h>

// A button in a group, as panels hold them, so that keys pass the group routing.
struct ButtonFixture {
    explicit ButtonFixture(bool autoRepeat, bool focusOnClick = true) {
        button = group.addChild(std::make_unique<OrbButtonControl>(
            &group, OrbRect{0, 0, 10, 5}, countInto(clicks), focusOnClick, autoRepeat));
        other = group.addChild(std::make_unique<RectControl>(&group, OrbRect{50, 0, 10, 5}));
        other->handleMouse = false;
        OrbControl::linkNext(button, other);
    }
    OrbGroupControl group{nullptr, OrbRect{0, 0, 100, 100}};
    int clicks = 0;
    OrbButtonControl* button = nullptr;
    RectControl* other = nullptr;
};

TEST(OrbButtonControlKeys, HoldingReturnOnAnOrdinaryButtonActsOnceOnRelease) {
    ButtonFixture f(false);
    f.button->setFocused(true);
    EXPECT_TRUE(f.group.keyEvent(OrbKeyReturn, OrbKeyPressed, 0));
    EXPECT_TRUE(f.button->isPressed());
    EXPECT_TRUE(f.button->isCapturing());
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(f.group.keyEvent(OrbKeyReturn, OrbKeyRepeated, 0));
        f.group.tick(0.2);
    }
    EXPECT_EQ(f.clicks, 0);
    EXPECT_TRUE(f.group.keyEvent(OrbKeyReturn, OrbKeyReleased, 0));
    EXPECT_EQ(f.clicks, 1);
    EXPECT_FALSE(f.button->isPressed());
    EXPECT_FALSE(f.button->isCapturing());
}

TEST(OrbButtonControlKeys, HoldingSpaceOnAnAutoRepeatButtonRepeatsOnSchedule) {
    ButtonFixture f(true);
    f.button->setFocused(true);
    EXPECT_TRUE(f.group.keyEvent(OrbKeySpace, OrbKeyPressed, 0));
    EXPECT_EQ(f.clicks, 1); // at once
    f.group.tick(0.375);
    EXPECT_EQ(f.clicks, 1);
    f.group.tick(0.03125);
    EXPECT_EQ(f.clicks, 2); // after 0.4 s (here 0.00625 late)
    f.group.tick(0.1);
    EXPECT_EQ(f.clicks, 2);
    f.group.tick(0.015625);
    EXPECT_EQ(f.clicks, 3); // then every 0.12 s, counted from the due time
    // A long frame repeats only once.
    f.group.tick(1.0);
    EXPECT_EQ(f.clicks, 4);
    // Time standing still or running back does nothing.
    f.group.tick(0.0);
    f.group.tick(-1.0);
    EXPECT_EQ(f.clicks, 4);
    EXPECT_TRUE(f.group.keyEvent(OrbKeySpace, OrbKeyReleased, 0));
    EXPECT_EQ(f.clicks, 4); // no extra action on release
    f.group.tick(1.0);
    EXPECT_EQ(f.clicks, 4);
}

TEST(OrbButtonControlKeys, WhileHeldEveryKeyIsSwallowedAndOtherReleasesDoNotEndIt) {
    ButtonFixture f(false);
    f.button->setFocused(true);
    f.group.keyEvent(OrbKeyReturn, OrbKeyPressed, 0);
    EXPECT_TRUE(f.group.keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(f.button->isFocused()); // Tab did not move the focus
    EXPECT_TRUE(f.group.keyEvent(OrbKeySpace, OrbKeyReleased, 0));
    EXPECT_TRUE(f.button->isPressed());
    EXPECT_EQ(f.clicks, 0);
    f.group.keyEvent(OrbKeyReturn, OrbKeyReleased, 0);
    EXPECT_EQ(f.clicks, 1);
    // Not held: other keys go to focus navigation.
    EXPECT_FALSE(f.button->keyEvent('a', OrbKeyPressed, 0));
    EXPECT_TRUE(f.group.keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(f.other->isFocused());
}

TEST(OrbButtonControlKeys, ADisabledButtonIgnoresKeysAndPressByKey) {
    ButtonFixture f(true);
    f.button->setEnabled(false);
    EXPECT_FALSE(f.button->keyEvent(OrbKeyReturn, OrbKeyPressed, 0));
    EXPECT_FALSE(f.button->pressByKey(OrbKeyReturn));
    EXPECT_EQ(f.clicks, 0);
    f.button->setEnabled(true);
    EXPECT_TRUE(f.button->pressByKey(OrbKeyReturn));
    EXPECT_FALSE(f.button->pressByKey(OrbKeyReturn)); // already held
    EXPECT_EQ(f.clicks, 1);
}

TEST(OrbButtonControlMouse, PressThenReleaseInsideActsOnRelease) {
    ButtonFixture f(false);
    EXPECT_TRUE(f.group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 2}, 0));
    EXPECT_TRUE(f.button->isFocused());
    EXPECT_TRUE(f.button->isPressed());
    EXPECT_EQ(f.clicks, 0);
    EXPECT_TRUE(f.group.mouseButton(OrbMouseLeft, false, OrbPoint{6, 3}, 0));
    EXPECT_EQ(f.clicks, 1);
    EXPECT_FALSE(f.button->isCapturing());
}

TEST(OrbButtonControlMouse, LeavingAndReleasingOutsideCallsNothing) {
    ButtonFixture f(false);
    f.group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 2}, 0);
    f.group.mouseMove(OrbPoint{30, 30}, 0);
    EXPECT_FALSE(f.button->isPressed());
    EXPECT_FALSE(f.button->isHighlighted());
    f.group.mouseMove(OrbPoint{5, 2}, 0);
    EXPECT_TRUE(f.button->isPressed()); // coming back presses it again
    f.group.mouseMove(OrbPoint{30, 30}, 0);
    EXPECT_TRUE(f.group.mouseButton(OrbMouseLeft, false, OrbPoint{30, 30}, 0));
    EXPECT_EQ(f.clicks, 0);
    EXPECT_FALSE(f.button->isCapturing());
}

TEST(OrbButtonControlMouse, RightButtonsAndDisabledButtonsAreIgnored) {
    ButtonFixture f(false);
    EXPECT_FALSE(f.group.mouseButton(OrbMouseRight, true, OrbPoint{5, 2}, 0));
    EXPECT_FALSE(f.button->isPressed());
    f.button->setEnabled(false);
    EXPECT_FALSE(f.group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 2}, 0));
    EXPECT_FALSE(f.button->isPressed());
}

TEST(OrbButtonControlMouse, ButtonsThatDoNotTakeTheFocusLeaveItAlone) {
    ButtonFixture f(true, false);
    f.other->setFocused(true);
    f.group.mouseButton(OrbMouseDoubleClick, true, OrbPoint{5, 2}, 0);
    EXPECT_TRUE(f.other->isFocused());
    EXPECT_EQ(f.clicks, 1);
}

TEST(OrbButtonControlMouse, AutoRepeatPausesWhileThePointerIsOff) {
    ButtonFixture f(true);
    f.group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 2}, 0);
    EXPECT_EQ(f.clicks, 1);
    f.group.mouseMove(OrbPoint{30, 30}, 0);
    f.group.tick(1.0);
    EXPECT_EQ(f.clicks, 1);
    // Back on: the next repeat comes one interval later.
    f.group.mouseMove(OrbPoint{5, 2}, 0);
    f.group.tick(0.1);
    EXPECT_EQ(f.clicks, 1);
    f.group.tick(0.03);
    EXPECT_EQ(f.clicks, 2);
    f.group.mouseButton(OrbMouseLeft, false, OrbPoint{5, 2}, 0);
    EXPECT_EQ(f.clicks, 2);
}

TEST(OrbButtonControlState, ClearingTheHighlightDropsAMousePressSilently) {
    ButtonFixture f(false);
    f.group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 2}, 0);
    f.group.clearHighlight();
    EXPECT_FALSE(f.button->isPressed());
    EXPECT_FALSE(f.button->isCapturing());
    EXPECT_FALSE(f.group.mouseButton(OrbMouseLeft, false, OrbPoint{5, 2}, 0));
    EXPECT_EQ(f.clicks, 0);
}

TEST(OrbButtonControlState, ResetDropsAKeyHoldSoNoKeyStaysStuck) {
    ButtonFixture f(false);
    f.button->setFocused(true);
    f.group.keyEvent(OrbKeyReturn, OrbKeyPressed, 0);
    f.group.reset();
    EXPECT_FALSE(f.button->isCapturing());
    EXPECT_TRUE(f.group.keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(f.other->isFocused());
    EXPECT_EQ(f.clicks, 0);
}
