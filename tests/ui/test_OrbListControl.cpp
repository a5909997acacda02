#include "ui/OrbListControl.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"
#include "ui/GvList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A list of 10 rows 2 high in a 24 x 20 rectangle with a scroll bar 4 wide.
struct ListFixture {
    explicit ListFixture(int count) {
        std::vector<std::string> items;
        for (int i = 0; i < count; ++i) {
            items.push_back("item " + std::to_string(i));
        }
        list.setItems(items);
        list.setSelectionCallback(countInto(selections));
        list.setCallback(countInto(activations));
    }
    GvList list{nullptr, nullptr, OrbRect{0, 0, 24, 20}, 10, 4.0f};
    int selections = 0;
    int activations = 0;
};

TEST(OrbListControlKeys, AShortListHasNoScrollBarAndPageDownStopsAtTheEnd) {
    ListFixture f(3);
    EXPECT_FALSE(f.list.hasScrollBar());
    EXPECT_EQ(f.list.thumbRect().height, 0.0f);
    f.list.setSelected(0);
    EXPECT_TRUE(f.list.keyEvent(OrbKeyPageDown, OrbKeyPressed, 0));
    EXPECT_EQ(f.list.selected(), 2);
    EXPECT_EQ(f.selections, 1);
    // At the end the key is still handled but changes nothing.
    EXPECT_TRUE(f.list.keyEvent(OrbKeyDown, OrbKeyPressed, 0));
    EXPECT_EQ(f.selections, 1);
    EXPECT_TRUE(f.list.keyEvent(OrbKeyHome, OrbKeyPressed, 0));
    EXPECT_EQ(f.list.selected(), 0);
}

TEST(OrbListControlKeys, NavigationKeepsTheSelectionInView) {
    ListFixture f(25);
    EXPECT_EQ(f.list.selected(), -1);
    EXPECT_TRUE(f.list.keyEvent(OrbKeyDown, OrbKeyPressed, 0)); // from 0 when none
    EXPECT_EQ(f.list.selected(), 1);
    f.list.keyEvent(OrbKeyPageDown, OrbKeyPressed, 0);
    EXPECT_EQ(f.list.selected(), 10);
    EXPECT_EQ(f.list.firstVisible(), 1);
    f.list.keyEvent(OrbKeyEnd, OrbKeyPressed, 0);
    EXPECT_EQ(f.list.selected(), 24);
    EXPECT_EQ(f.list.firstVisible(), 15);
    f.list.keyEvent(OrbKeyPageUp, OrbKeyRepeated, 0);
    EXPECT_EQ(f.list.selected(), 15);
    EXPECT_EQ(f.list.firstVisible(), 15);
    f.list.keyEvent(OrbKeyLeft, OrbKeyPressed, 0);
    EXPECT_EQ(f.list.selected(), 14);
    EXPECT_EQ(f.list.firstVisible(), 14);
    f.list.keyEvent(OrbKeyRight, OrbKeyPressed, 0);
    EXPECT_EQ(f.list.selected(), 15);
    EXPECT_EQ(f.selections, 6);
}

TEST(OrbListControlKeys, EmptyListsAndModifiersLeaveKeysToNavigation) {
    ListFixture f(0);
    EXPECT_FALSE(f.list.keyEvent(OrbKeyDown, OrbKeyPressed, 0));
    ListFixture g(5);
    EXPECT_FALSE(g.list.keyEvent(OrbKeyDown, OrbKeyPressed, OrbModShift));
    EXPECT_FALSE(g.list.keyEvent(OrbKeyDown, OrbKeyReleased, 0));
    EXPECT_EQ(g.list.selected(), -1);
}

TEST(OrbListControlModel, SetCountAndSetSelectedKeepTheSelectionValidAndVisible) {
    ListFixture f(30);
    f.list.setSelected(29);
    EXPECT_EQ(f.list.firstVisible(), 20);
    f.list.setCount(12);
    EXPECT_EQ(f.list.selected(), 11);
    EXPECT_EQ(f.list.firstVisible(), 2);
    f.list.setCount(0);
    EXPECT_EQ(f.list.selected(), -1);
    EXPECT_EQ(f.list.firstVisible(), 0);
    EXPECT_EQ(f.selections, 0); // programmatic changes are not reported
}

TEST(OrbListControlTypeAhead, TypingWithinASecondRefinesTheSearch) {
    ListFixture f(0);
    f.list.setItems({"alpha", "mars", "mast", "maze", "moon"});
    EXPECT_TRUE(f.list.keyEvent('m', OrbKeyPressed, 0));
    EXPECT_EQ(f.list.selected(), 1); // first of the longest matches
    f.list.keyEvent('m', OrbKeyReleased, 0);
    f.list.tick(0.5);
    EXPECT_TRUE(f.list.keyEvent('a', OrbKeyPressed, 0));
    EXPECT_EQ(f.list.typedText(), "ma");
    f.list.tick(0.5);
    EXPECT_TRUE(f.list.keyEvent('z', OrbKeyPressed, OrbModShift | OrbModCapsLock));
    EXPECT_EQ(f.list.selected(), 3);
    // A pause longer than a second starts again.
    f.list.tick(1.01);
    EXPECT_TRUE(f.list.keyEvent('a', OrbKeyPressed, 0));
    EXPECT_EQ(f.list.typedText(), "a");
    EXPECT_EQ(f.list.selected(), 0);
    EXPECT_EQ(f.selections, 3);
}

TEST(OrbListControlTypeAhead, ShiftKeepsTheTextAndOtherKeysClearIt) {
    ListFixture f(0);
    f.list.setItems({"Abc", "Bcd"});
    f.list.keyEvent('b', OrbKeyPressed, 0);
    EXPECT_TRUE(f.list.keyEvent(OrbKeyShift, OrbKeyPressed, OrbModShift));
    EXPECT_EQ(f.list.typedText(), "b");
    EXPECT_FALSE(f.list.keyEvent('q', OrbKeyPressed, OrbModControl));
    EXPECT_EQ(f.list.typedText(), "");
    // No item shares the first character: the selection stays.
    f.list.keyEvent('z', OrbKeyPressed, 0);
    EXPECT_EQ(f.list.selected(), 1);
    f.list.keyEvent('[', OrbKeyPressed, 0);
    EXPECT_EQ(f.list.typedText(), "z[");
}

TEST(OrbListControlMouse, ClickingARowSelectsItAndADoubleClickActivates) {
    ListFixture f(25);
    f.list.setFirstVisible(5);
    // Rows are 2 high from the top edge at 20; the scroll bar starts at x 20.
    EXPECT_TRUE(f.list.mouseButton(OrbMouseLeft, true, OrbPoint{3, 15}, 0));
    EXPECT_TRUE(f.list.isFocused());
    EXPECT_EQ(f.list.selected(), 7);
    EXPECT_EQ(f.activations, 0);
    EXPECT_TRUE(f.list.mouseButton(OrbMouseDoubleClick, true, OrbPoint{3, 15}, 0));
    EXPECT_EQ(f.activations, 1);
    EXPECT_EQ(f.selections, 1);
    // The bottom edge still counts as the last row.
    f.list.mouseButton(OrbMouseLeft, true, OrbPoint{3, 0}, 0);
    EXPECT_EQ(f.list.selected(), 14);
    EXPECT_FALSE(f.list.mouseButton(OrbMouseLeft, true, OrbPoint{30, 15}, 0));
    EXPECT_FALSE(f.list.mouseButton(OrbMouseRight, true, OrbPoint{3, 15}, 0));
}

TEST(OrbListControlMouse, ClickingBelowTheLastItemSelectsNothing) {
    ListFixture f(3);
    f.list.setSelected(1);
    EXPECT_TRUE(f.list.mouseButton(OrbMouseDoubleClick, true, OrbPoint{3, 5}, 0));
    EXPECT_EQ(f.list.selected(), 1);
    EXPECT_EQ(f.activations, 0);
}

TEST(OrbListControlScrollBar, TheThumbShowsThePositionAndDraggingScrolls) {
    ListFixture f(40);
    ASSERT_TRUE(f.list.hasScrollBar());
    // Thumb: max(2 x 4, 10 x 20 / 40) = 8 high, at the top of the track.
    OrbRect thumb = f.list.thumbRect();
    EXPECT_EQ(thumb, (OrbRect{20, 12, 4, 8}));
    f.list.setFirstVisible(30);
    EXPECT_EQ(f.list.thumbRect(), (OrbRect{20, 0, 4, 8}));
    f.list.setFirstVisible(0);

    // Grab the thumb 2 below its top and drag it down to the middle of its travel.
    EXPECT_TRUE(f.list.mouseButton(OrbMouseLeft, true, OrbPoint{22, 18}, 0));
    EXPECT_TRUE(f.list.isCapturing());
    EXPECT_TRUE(f.list.mouseMove(OrbPoint{22, 12}, 0));
    EXPECT_EQ(f.list.firstVisible(), 15);
    // Far beyond the track end: the last page.
    f.list.mouseMove(OrbPoint{22, -100}, 0);
    EXPECT_EQ(f.list.firstVisible(), 30);
    // While the thumb is dragged the arrows do not move the selection.
    EXPECT_FALSE(f.list.keyEvent(OrbKeyDown, OrbKeyPressed, 0));
    EXPECT_TRUE(f.list.mouseButton(OrbMouseLeft, false, OrbPoint{22, -100}, 0));
    EXPECT_FALSE(f.list.isCapturing());
    EXPECT_EQ(f.list.selected(), -1);

    // A press on the track outside the thumb is handled but does not drag.
    EXPECT_TRUE(f.list.mouseButton(OrbMouseLeft, true, OrbPoint{22, 19}, 0));
    EXPECT_FALSE(f.list.isCapturing());
}

TEST(OrbListControlScrollBar, ClearingTheHighlightEndsADrag) {
    ListFixture f(40);
    f.list.mouseButton(OrbMouseLeft, true, OrbPoint{22, 18}, 0);
    f.list.clearHighlight();
    EXPECT_FALSE(f.list.isDragging());
}

TEST(GvListSearch, FindsTheLongestCaseInsensitivePrefix) {
    GvList list(nullptr, nullptr, OrbRect{0, 0, 10, 10}, 5, 1.0f);
    list.setItems({"Standard", "stone age", "Stones", "x"});
    EXPECT_EQ(list.findItemByPrefix("st"), 0);
    EXPECT_EQ(list.findItemByPrefix("STON"), 1);
    EXPECT_EQ(list.findItemByPrefix("stonez"), 1);
    EXPECT_EQ(list.findItemByPrefix("stones"), 2);
    EXPECT_EQ(list.findItemByPrefix("q"), -1);
    EXPECT_EQ(list.findItemByPrefix(""), -1);
}
