#include "ui/OrbSpinControl.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"

#include <gtest/gtest.h>

struct SpinFixture {
    SpinFixture() {
        spin = panel.addChild(std::make_unique<OrbSpinControl<int>>(
            &panel, OrbRect{0, 0, 30, 5}, 4.0f, 5, 0, 9, countInto(changes)));
        other = panel.addChild(std::make_unique<RectControl>(&panel, OrbRect{50, 0, 5, 5}));
        other->handleMouse = false;
    }
    OrbGroupControl panel{nullptr, OrbRect{0, 0, 100, 100}};
    OrbSpinControl<int>* spin = nullptr;
    RectControl* other = nullptr;
    int changes = 0;
};

TEST(OrbSpinControl, ButtonsSitAtBothEndsAsHighAsTheControl) {
    SpinFixture f;
    EXPECT_EQ(f.spin->decrementButton()->bounds(), (OrbRect{0, 0, 4, 5}));
    EXPECT_EQ(f.spin->incrementButton()->bounds(), (OrbRect{26, 0, 4, 5}));
    EXPECT_TRUE(f.spin->decrementButton()->isAutoRepeat());
    EXPECT_FALSE(f.spin->incrementButton()->focusOnClick());
}

TEST(OrbSpinControl, StepsStopAtTheLimitsWithoutReportingAChange) {
    SpinFixture f;
    f.spin->setValue(9);
    f.spin->increment();
    EXPECT_EQ(f.spin->value(), 9);
    EXPECT_EQ(f.changes, 0);
    f.spin->decrement();
    EXPECT_EQ(f.spin->value(), 8);
    EXPECT_EQ(f.changes, 1);
    f.spin->setValue(0);
    f.spin->decrement();
    EXPECT_EQ(f.spin->value(), 0);
    EXPECT_EQ(f.changes, 1);
}

TEST(OrbSpinControl, FloatValuesStepByOneAndClamp) {
    int changes = 0;
    OrbSpinControl<float> spin(nullptr, OrbRect{0, 0, 10, 2}, 2.0f, 0.5f, 0.0f, 1.0f,
                               countInto(changes));
    spin.increment();
    EXPECT_FLOAT_EQ(spin.value(), 1.0f);
    spin.decrement();
    EXPECT_FLOAT_EQ(spin.value(), 0.0f);
    EXPECT_EQ(changes, 2);
}

TEST(OrbSpinControl, HoldingRightRepeatsThroughTheButtonUntilReleased) {
    SpinFixture f;
    f.spin->setFocused(true);
    EXPECT_TRUE(f.panel.keyEvent(OrbKeyRight, OrbKeyPressed, 0));
    EXPECT_EQ(f.spin->value(), 6);
    EXPECT_TRUE(f.spin->incrementButton()->isPressed());
    EXPECT_TRUE(f.panel.keyEvent(OrbKeyRight, OrbKeyRepeated, 0));
    f.panel.tick(0.4);
    EXPECT_EQ(f.spin->value(), 7);
    f.panel.tick(0.12);
    EXPECT_EQ(f.spin->value(), 8);
    EXPECT_TRUE(f.panel.keyEvent(OrbKeyRight, OrbKeyReleased, 0));
    EXPECT_FALSE(f.spin->incrementButton()->isPressed());
    f.panel.tick(1.0);
    EXPECT_EQ(f.spin->value(), 8);
    EXPECT_TRUE(f.spin->isFocused());
    EXPECT_TRUE(f.panel.keyEvent(OrbKeyLeft, OrbKeyPressed, 0));
    EXPECT_EQ(f.spin->value(), 7);
    f.panel.keyEvent(OrbKeyLeft, OrbKeyReleased, 0);
    EXPECT_EQ(f.changes, 4);
}

TEST(OrbSpinControl, ArrowsWithModifiersAreNotSteps) {
    SpinFixture f;
    f.spin->setFocused(true);
    EXPECT_FALSE(f.panel.keyEvent(OrbKeyRight, OrbKeyPressed, OrbModControl));
    EXPECT_EQ(f.spin->value(), 5);
}

TEST(OrbSpinControl, ClickingAnywhereOnItTakesTheFocusAndTheButtonsStep) {
    SpinFixture f;
    f.other->setFocused(true);
    EXPECT_TRUE(f.panel.mouseButton(OrbMouseLeft, true, OrbPoint{15, 2}, 0));
    EXPECT_TRUE(f.spin->isFocused());
    EXPECT_EQ(f.spin->value(), 5);
    f.other->setFocused(true);
    EXPECT_TRUE(f.panel.mouseButton(OrbMouseLeft, true, OrbPoint{1, 2}, 0));
    EXPECT_TRUE(f.spin->isFocused());
    EXPECT_EQ(f.spin->value(), 4);
    EXPECT_TRUE(f.panel.mouseButton(OrbMouseLeft, false, OrbPoint{1, 2}, 0));
    EXPECT_FALSE(f.spin->decrementButton()->isCapturing());
    EXPECT_EQ(f.spin->value(), 4);
}
