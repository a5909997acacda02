#include "ui/OrbGroupControl.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"
#include "ui/OrbButtonControl.h"

#include <gtest/gtest.h>

TEST(OrbGroupControlTree, AddChildAdoptsMovesAndMeasures) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 1, 1});
    auto* a = group.addChild(std::make_unique<RectControl>(nullptr, OrbRect{-5, 2, 3, 1}));
    auto* inner = group.addChild(std::make_unique<OrbGroupControl>(&group, OrbRect{0, 0, 2, 2}));
    auto* b =
        inner->addChild(std::make_unique<OrbButtonControl>(inner, OrbRect{4, -1, 2, 2}, nullptr));
    EXPECT_EQ(a->parent(), &group);
    EXPECT_EQ(b->root(), &group);
    EXPECT_EQ(group.childCount(), 2);
    EXPECT_EQ(group.child(2), nullptr);
    EXPECT_EQ(group.childrenBounds(), (OrbRect{-5, 0, 7, 3}));

    group.moveBy(OrbPoint{1, 10});
    EXPECT_EQ(group.bounds(), (OrbRect{1, 10, 1, 1}));
    EXPECT_EQ(inner->bounds(), (OrbRect{1, 10, 2, 2}));
    EXPECT_EQ(b->bounds(), (OrbRect{5, 9, 2, 2}));
}

TEST(OrbGroupControlTree, LinkChildrenVerticallyChainsThemInOrder) {
    OrbGroupControl group(nullptr, OrbRect{});
    auto* a = group.addChild(std::make_unique<RectControl>(&group, OrbRect{}));
    auto* b = group.addChild(std::make_unique<RectControl>(&group, OrbRect{}));
    auto* c = group.addChild(std::make_unique<RectControl>(&group, OrbRect{}));
    group.linkChildrenVertically();
    a->setFocused(true);
    EXPECT_TRUE(group.keyEvent(OrbKeyDown, OrbKeyPressed, 0));
    EXPECT_TRUE(group.keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(c->isFocused());
    EXPECT_TRUE(group.keyEvent(OrbKeyUp, OrbKeyPressed, 0));
    EXPECT_TRUE(b->isFocused());
}

TEST(OrbGroupControlKeys, TheCapturingControlHearsKeysBeforeTheFocusedOne) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 100, 100});
    int clicks = 0;
    auto* button = group.addChild(
        std::make_unique<OrbButtonControl>(&group, OrbRect{0, 0, 10, 10}, countInto(clicks)));
    auto* other = group.addChild(std::make_unique<RectControl>(&group, OrbRect{20, 0, 10, 10}));
    // Return holds the button; then another control takes the focus.
    button->setFocused(true);
    EXPECT_TRUE(group.keyEvent(OrbKeyReturn, OrbKeyPressed, 0));
    other->setFocused(true);
    EXPECT_TRUE(button->isCapturing());
    EXPECT_TRUE(group.keyEvent('q', OrbKeyPressed, 0));
    EXPECT_TRUE(other->keys.empty());
    // The release still reaches the button through the group, which clears
    // highlights on every key, and completes the press.
    EXPECT_TRUE(group.keyEvent(OrbKeyReturn, OrbKeyReleased, 0));
    EXPECT_EQ(clicks, 1);
    // No longer held: the focused control hears the next key.
    group.keyEvent('q', OrbKeyPressed, 0);
    EXPECT_EQ(other->keys.size(), 1u);
}

TEST(OrbGroupControlKeys, AKeyDropsAMouseHoldWithoutAction) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 100, 100});
    int clicks = 0;
    auto* button = group.addChild(
        std::make_unique<OrbButtonControl>(&group, OrbRect{0, 0, 10, 10}, countInto(clicks)));
    EXPECT_TRUE(group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 5}, 0));
    group.keyEvent('q', OrbKeyPressed, 0);
    EXPECT_FALSE(button->isCapturing());
    EXPECT_FALSE(group.mouseButton(OrbMouseLeft, false, OrbPoint{5, 5}, 0));
    EXPECT_EQ(clicks, 0);
}

TEST(OrbGroupControlKeys, KeysHideTheHoverState) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 100, 100});
    auto* a = group.addChild(std::make_unique<RectControl>(&group, OrbRect{0, 0, 10, 10}));
    group.mouseMove(OrbPoint{5, 5}, 0);
    EXPECT_TRUE(a->isHighlighted());
    group.keyEvent('q', OrbKeyPressed, 0);
    EXPECT_FALSE(a->isHighlighted());
}

TEST(OrbGroupControlKeys, ADisabledGroupIgnoresInput) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 100, 100});
    auto* a = group.addChild(std::make_unique<RectControl>(&group, OrbRect{0, 0, 10, 10}));
    a->setFocused(true);
    group.setEnabled(false);
    EXPECT_FALSE(group.keyEvent('q', OrbKeyPressed, 0));
    EXPECT_FALSE(group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 5}, 0));
    EXPECT_FALSE(group.mouseMove(OrbPoint{5, 5}, 0));
    EXPECT_TRUE(a->keys.empty());
    EXPECT_TRUE(a->presses.empty());
}

TEST(OrbGroupControlMouse, ThePressGoesToTheDeepestTopmostControlUnderThePointer) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 100, 100});
    auto* below = group.addChild(std::make_unique<RectControl>(&group, OrbRect{0, 0, 20, 20}));
    auto* inner = group.addChild(std::make_unique<OrbGroupControl>(&group, OrbRect{0, 0, 20, 20}));
    auto* deep = inner->addChild(std::make_unique<RectControl>(inner, OrbRect{10, 10, 5, 5}));

    // Inside the deep control's edge: the deepest control wins.
    EXPECT_TRUE(group.mouseButton(OrbMouseLeft, true, OrbPoint{15, 15}, 0));
    EXPECT_EQ(deep->presses.size(), 1u);
    EXPECT_TRUE(below->presses.empty());

    // Outside it, the later (upper) sibling's group covers the lower control.
    EXPECT_FALSE(group.mouseButton(OrbMouseLeft, true, OrbPoint{2, 2}, 0));
    EXPECT_TRUE(below->presses.empty());

    // Nothing under the pointer: not handled.
    EXPECT_FALSE(group.mouseButton(OrbMouseLeft, true, OrbPoint{50, 50}, 0));
}

TEST(OrbGroupControlMouse, TheFocusedControlIsAskedOnceOnly) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 100, 100});
    auto* a = group.addChild(std::make_unique<RectControl>(&group, OrbRect{0, 0, 20, 20}));
    a->handleMouse = false;
    a->setFocused(true);
    EXPECT_FALSE(group.mouseButton(OrbMouseLeft, true, OrbPoint{5, 5}, 0));
    EXPECT_EQ(a->presses.size(), 1u);
}

TEST(OrbGroupControlMouse, EveryChildHearsMovesSoAllHoverStatesFollow) {
    OrbGroupControl group(nullptr, OrbRect{0, 0, 100, 100});
    auto* a = group.addChild(std::make_unique<RectControl>(&group, OrbRect{0, 0, 10, 10}));
    auto* b = group.addChild(std::make_unique<RectControl>(&group, OrbRect{20, 0, 10, 10}));
    b->setFocused(true);
    group.mouseMove(OrbPoint{5, 5}, 0);
    EXPECT_TRUE(a->isHighlighted());
    EXPECT_FALSE(b->isHighlighted());
    group.mouseMove(OrbPoint{25, 5}, 0);
    EXPECT_FALSE(a->isHighlighted());
    EXPECT_TRUE(b->isHighlighted());
    EXPECT_EQ(a->moves, 2);
    EXPECT_EQ(b->moves, 2);
}
