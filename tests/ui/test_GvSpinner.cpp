#include "ui/GvSpinner.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"
#include "ui/GvCustomSpinner.h"
#include "ui/GvIntSpinner.h"
#include "ui/GvSlider.h"
#include "ui/GvUiColours.h"

#include <gtest/gtest.h>

TEST(GvIntSpinner, ShowsTheValuePlusItsOffset) {
    GvIntSpinner spinner(nullptr, nullptr, OrbRect{0, 0, 30, 5}, 5.0f, 0, 0, 4, 1, nullptr);
    EXPECT_EQ(spinner.valueText(), "1");
    spinner.increment();
    spinner.increment();
    EXPECT_EQ(spinner.valueText(), "3");
    GvIntSpinner negative(nullptr, nullptr, OrbRect{}, 1.0f, -3, -5, 5, 0, nullptr);
    EXPECT_EQ(negative.valueText(), "-3");
}

TEST(GvIntSpinner, TheValueColourShowsFocusAndHover) {
    OrbGroupControl panel(nullptr, OrbRect{0, 0, 100, 100});
    auto* spinner = panel.addChild(std::make_unique<GvIntSpinner>(
        &panel, nullptr, OrbRect{0, 0, 30, 5}, 5.0f, 0, 0, 4, 1, nullptr));
    const GvUiColours& c = GvUiColours::get();
    EXPECT_EQ(spinner->valueColour(), c.spinValueNormal);
    // Pointing at an arrow counts as pointing at the spinner.
    panel.mouseMove(OrbPoint{1, 1}, 0);
    EXPECT_EQ(spinner->valueColour(), c.spinValueHighlighted);
    spinner->setFocused(true);
    EXPECT_EQ(spinner->valueColour(), c.focusedText);
}

TEST(GvCustomSpinner, ShowsTheEntryUnderItsValue) {
    int changes = 0;
    GvCustomSpinner spinner(nullptr, nullptr, OrbRect{0, 0, 30, 5}, 5.0f, countInto(changes));
    EXPECT_EQ(spinner.valueText(), "");
    EXPECT_EQ(spinner.currentEntry(), nullptr);
    spinner.setEntries({{"A", 0}, {"B", 1}, {"D", 3}});
    EXPECT_EQ(spinner.maximum(), 2);
    EXPECT_EQ(spinner.valueText(), "A");
    spinner.increment();
    spinner.increment();
    spinner.increment();
    EXPECT_EQ(spinner.valueText(), "D");
    EXPECT_EQ(spinner.currentEntry()->data, 3);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(spinner.findData(3), 2);
    EXPECT_EQ(spinner.findData(2), -1);
    // Fewer entries: the value is pulled back into range.
    spinner.setEntries({{"Q", 7}});
    EXPECT_EQ(spinner.value(), 0);
    EXPECT_EQ(spinner.valueText(), "Q");
    spinner.setEntries({});
    EXPECT_EQ(spinner.valueText(), "");
}

// A volume slider whose buttons step a value kept by the test.
struct VolumeFixture {
    VolumeFixture() {
        slider = panel.addChild(std::make_unique<GvSlider>(
            &panel, nullptr, OrbRect{0, 0, 40, 4}, std::make_unique<FloatGetter>(box),
            std::make_unique<FloatSetter>(box), countInto(downs), countInto(ups)));
        other = panel.addChild(std::make_unique<RectControl>(&panel, OrbRect{60, 0, 5, 5}));
        other->handleMouse = false;
    }
    FloatBox box;
    OrbGroupControl panel{nullptr, OrbRect{0, 0, 100, 100}};
    GvSlider* slider = nullptr;
    RectControl* other = nullptr;
    int downs = 0;
    int ups = 0;
};

TEST(GvSlider, TheTrackSitsBetweenTheButtons) {
    VolumeFixture f;
    EXPECT_EQ(f.slider->track()->bounds(), (OrbRect{6, 0, 28, 4}));
    EXPECT_EQ(f.slider->decrementButton()->bounds(), (OrbRect{0, 0, 4, 4}));
    EXPECT_EQ(f.slider->incrementButton()->bounds(), (OrbRect{36, 0, 4, 4}));
}

TEST(GvSlider, TheButtonsAndArrowsAskTheOwnerToStep) {
    VolumeFixture f;
    f.slider->setFocused(true);
    f.panel.keyEvent(OrbKeyLeft, OrbKeyPressed, 0);
    f.panel.keyEvent(OrbKeyLeft, OrbKeyReleased, 0);
    f.panel.keyEvent(OrbKeyRight, OrbKeyPressed, 0);
    f.panel.tick(0.4); // held: repeats
    f.panel.keyEvent(OrbKeyRight, OrbKeyReleased, 0);
    EXPECT_EQ(f.downs, 1);
    EXPECT_EQ(f.ups, 2);
    f.other->setFocused(true);
    f.panel.mouseButton(OrbMouseLeft, true, OrbPoint{39, 2}, 0);
    f.panel.mouseButton(OrbMouseLeft, false, OrbPoint{39, 2}, 0);
    EXPECT_EQ(f.ups, 3);
    EXPECT_TRUE(f.slider->isFocused());
    EXPECT_TRUE(f.box.stored.empty()); // the buttons never write the value
}

TEST(GvSlider, PressingTheTrackFocusesTheSliderAndReleasingStores) {
    VolumeFixture f;
    const GvUiColours& c = GvUiColours::get();
    f.other->setFocused(true);
    EXPECT_EQ(f.slider->fillColour(), c.sliderFillNormal);
    EXPECT_TRUE(f.panel.mouseButton(OrbMouseLeft, true, OrbPoint{13, 2}, 0));
    EXPECT_TRUE(f.slider->isFocused());
    EXPECT_FALSE(f.slider->track()->isFocused());
    EXPECT_EQ(f.slider->fillColour(), c.sliderFillDragging);
    EXPECT_FLOAT_EQ(f.slider->track()->displayedValue(), 0.25f);
    EXPECT_TRUE(f.panel.mouseMove(OrbPoint{27, 30}, 0));
    EXPECT_TRUE(f.panel.mouseButton(OrbMouseLeft, false, OrbPoint{27, 30}, 0));
    ASSERT_EQ(f.box.stored.size(), 1u);
    EXPECT_FLOAT_EQ(f.box.stored[0], 0.75f);
    EXPECT_EQ(f.slider->fillColour(), c.focusedText);
    EXPECT_EQ(f.downs + f.ups, 0);
}
