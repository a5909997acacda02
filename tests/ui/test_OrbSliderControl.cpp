#include "ui/OrbSliderControl.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

struct SliderFixture {
    SliderFixture() { slider.setCallback(countInto(dragStarts)); }
    FloatBox box;
    OrbSliderControl slider{nullptr, OrbRect{10, 0, 20, 4}, &box, &box};
    int dragStarts = 0;
};

TEST(OrbSliderControl, TheValueIsStoredOnlyWhenTheDragEnds) {
    SliderFixture f;
    f.box.value = 0.25f;
    EXPECT_FLOAT_EQ(f.slider.displayedValue(), 0.25f);
    EXPECT_TRUE(f.slider.mouseButton(OrbMouseLeft, true, OrbPoint{20, 2}, 0));
    EXPECT_EQ(f.dragStarts, 1);
    EXPECT_TRUE(f.slider.isFocused());
    EXPECT_TRUE(f.slider.isCapturing());
    EXPECT_FLOAT_EQ(f.slider.displayedValue(), 0.5f);
    EXPECT_TRUE(f.slider.mouseMove(OrbPoint{25, 2}, 0));
    EXPECT_FLOAT_EQ(f.slider.displayedValue(), 0.75f);
    EXPECT_TRUE(f.box.stored.empty());
    EXPECT_TRUE(f.slider.mouseButton(OrbMouseLeft, false, OrbPoint{15, 2}, 0));
    ASSERT_EQ(f.box.stored.size(), 1u);
    EXPECT_FLOAT_EQ(f.box.stored[0], 0.25f);
    EXPECT_FALSE(f.slider.isCapturing());
}

TEST(OrbSliderControl, ReleasingBeyondTheTrackStoresTheClampedEnd) {
    SliderFixture f;
    f.slider.mouseButton(OrbMouseLeft, true, OrbPoint{12, 2}, 0);
    f.slider.mouseButton(OrbMouseLeft, false, OrbPoint{500, 90}, 0);
    f.slider.mouseButton(OrbMouseLeft, true, OrbPoint{12, 2}, 0);
    f.slider.mouseButton(OrbMouseLeft, false, OrbPoint{-500, 2}, 0);
    ASSERT_EQ(f.box.stored.size(), 2u);
    EXPECT_FLOAT_EQ(f.box.stored[0], 1.0f);
    EXPECT_FLOAT_EQ(f.box.stored[1], 0.0f);
}

TEST(OrbSliderControl, OnlyALeftPressInsideStartsADrag) {
    SliderFixture f;
    EXPECT_FALSE(f.slider.mouseButton(OrbMouseLeft, true, OrbPoint{5, 2}, 0));
    EXPECT_FALSE(f.slider.mouseButton(OrbMouseDoubleClick, true, OrbPoint{20, 2}, 0));
    EXPECT_FALSE(f.slider.mouseButton(OrbMouseRight, true, OrbPoint{20, 2}, 0));
    EXPECT_FALSE(f.slider.mouseButton(OrbMouseLeft, false, OrbPoint{20, 2}, 0));
    f.slider.setEnabled(false);
    EXPECT_FALSE(f.slider.mouseButton(OrbMouseLeft, true, OrbPoint{20, 2}, 0));
    EXPECT_EQ(f.dragStarts, 0);
    EXPECT_TRUE(f.box.stored.empty());
}

TEST(OrbSliderControl, ClearingTheHighlightCancelsADragWithoutStoring) {
    SliderFixture f;
    f.box.value = 0.1f;
    f.slider.mouseButton(OrbMouseLeft, true, OrbPoint{29, 2}, 0);
    f.slider.clearHighlight();
    EXPECT_FALSE(f.slider.isDragging());
    EXPECT_FLOAT_EQ(f.slider.displayedValue(), 0.1f);
    EXPECT_FALSE(f.slider.mouseButton(OrbMouseLeft, false, OrbPoint{29, 2}, 0));
    EXPECT_TRUE(f.box.stored.empty());
}

TEST(OrbSliderControl, KeysAreSwallowedWhileDraggingElseTheyNavigate) {
    SliderFixture f;
    RectControl next(nullptr, OrbRect{});
    OrbControl::linkNext(&f.slider, &next);
    f.slider.mouseButton(OrbMouseLeft, true, OrbPoint{20, 2}, 0);
    EXPECT_TRUE(f.slider.keyEvent('x', OrbKeyPressed, 0));
    f.slider.mouseButton(OrbMouseLeft, false, OrbPoint{20, 2}, 0);
    EXPECT_FALSE(f.slider.keyEvent('x', OrbKeyPressed, 0));
    EXPECT_TRUE(f.slider.keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(next.isFocused());
}

TEST(OrbSliderControl, TheShownValueStaysWithinZeroAndOne) {
    SliderFixture f;
    f.box.value = 3.0f;
    EXPECT_FLOAT_EQ(f.slider.displayedValue(), 1.0f);
    f.box.value = -2.0f;
    EXPECT_FLOAT_EQ(f.slider.displayedValue(), 0.0f);
    f.box.value = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FLOAT_EQ(f.slider.displayedValue(), 0.0f);
    OrbSliderControl bare(nullptr, OrbRect{0, 0, 10, 1}, nullptr, nullptr);
    EXPECT_FLOAT_EQ(bare.displayedValue(), 0.0f);
    bare.mouseButton(OrbMouseLeft, true, OrbPoint{5, 0}, 0);
    EXPECT_TRUE(bare.mouseButton(OrbMouseLeft, false, OrbPoint{5, 0}, 0));
}
