#include "ui/OrbControl.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"
#include "ui/OrbGroupControl.h"

#include <gtest/gtest.h>

// Three controls in a row inside a group, linked for Tab and Left/Right.
struct Row {
    OrbGroupControl group{nullptr, OrbRect{0, 0, 30, 10}};
    RectControl* a = group.addChild(std::make_unique<RectControl>(&group, OrbRect{0, 0, 10, 10}));
    RectControl* b = group.addChild(std::make_unique<RectControl>(&group, OrbRect{10, 0, 10, 10}));
    RectControl* c = group.addChild(std::make_unique<RectControl>(&group, OrbRect{20, 0, 10, 10}));
    Row() {
        OrbControl::linkHorizontal(a, b);
        OrbControl::linkHorizontal(b, c);
    }
};

TEST(OrbControlFocus, AtMostOneControlOfATreeHasTheFocus) {
    OrbGroupControl outer(nullptr, OrbRect{});
    auto* inner = outer.addChild(std::make_unique<OrbGroupControl>(&outer, OrbRect{}));
    auto* deep = inner->addChild(std::make_unique<RectControl>(inner, OrbRect{}));
    auto* top = outer.addChild(std::make_unique<RectControl>(&outer, OrbRect{}));

    deep->setFocused(true);
    EXPECT_TRUE(deep->isFocused());
    top->setFocused(true);
    EXPECT_TRUE(top->isFocused());
    EXPECT_FALSE(deep->isFocused());
    EXPECT_EQ(outer.findFocused(), top);

    // A control of another tree keeps its focus.
    RectControl stranger(nullptr, OrbRect{});
    stranger.setFocused(true);
    deep->setFocused(true);
    EXPECT_TRUE(stranger.isFocused());
    EXPECT_FALSE(top->isFocused());
}

TEST(OrbControlFocus, DefaultFocusSearchPrefersTheControlItselfThenLaterChildren) {
    OrbGroupControl group(nullptr, OrbRect{});
    auto* first = group.addChild(std::make_unique<RectControl>(&group, OrbRect{}));
    auto* second = group.addChild(std::make_unique<RectControl>(&group, OrbRect{}));
    EXPECT_EQ(group.findDefaultFocus(), nullptr);
    first->setDefaultFocus(true);
    second->setDefaultFocus(true);
    EXPECT_EQ(group.findDefaultFocus(), second);
    group.setDefaultFocus(true);
    EXPECT_EQ(group.findDefaultFocus(), &group);
}

TEST(OrbControlNavigation, TabShiftTabAndArrowsFollowTheLinks) {
    Row row;
    row.a->setFocused(true);
    EXPECT_TRUE(row.a->keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(row.b->isFocused());
    EXPECT_TRUE(row.b->keyEvent(OrbKeyRight, OrbKeyRepeated, 0));
    EXPECT_TRUE(row.c->isFocused());
    EXPECT_TRUE(row.c->keyEvent(OrbKeyTab, OrbKeyPressed, OrbModShift));
    EXPECT_TRUE(row.b->isFocused());
    EXPECT_TRUE(row.b->keyEvent(OrbKeyLeft, OrbKeyPressed, OrbModCapsLock));
    EXPECT_TRUE(row.a->isFocused());
    // No up or down links were made.
    EXPECT_FALSE(row.a->keyEvent(OrbKeyDown, OrbKeyPressed, 0));
    EXPECT_TRUE(row.a->isFocused());
}

TEST(OrbControlNavigation, TabFromTheLastControlIsNotHandled) {
    Row row;
    row.c->setFocused(true);
    EXPECT_FALSE(row.c->keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(row.c->isFocused());
}

TEST(OrbControlNavigation, ReleasesOtherKeysAndModifiersAreNotNavigation) {
    Row row;
    row.a->setFocused(true);
    EXPECT_FALSE(row.a->keyEvent(OrbKeyTab, OrbKeyReleased, 0));
    EXPECT_FALSE(row.a->keyEvent(OrbKeyTab, OrbKeyPressed, OrbModControl));
    EXPECT_FALSE(row.a->keyEvent(OrbKeyTab, OrbKeyPressed, OrbModShift | OrbModAlt));
    EXPECT_FALSE(row.a->keyEvent(OrbKeyRight, OrbKeyPressed, OrbModShift));
    EXPECT_FALSE(row.a->keyEvent('x', OrbKeyPressed, 0));
    EXPECT_TRUE(row.a->isFocused());
}

TEST(OrbControlNavigation, DisabledNeighboursAreSkipped) {
    Row row;
    row.b->setEnabled(false);
    row.a->setFocused(true);
    EXPECT_TRUE(row.a->keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(row.c->isFocused());

    // With every neighbour disabled there is nowhere to go.
    row.c->setEnabled(false);
    row.a->setFocused(true);
    EXPECT_FALSE(row.a->keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(row.a->isFocused());
}

TEST(OrbControlNavigation, ARingOfDisabledControlsDoesNotHang) {
    Row row;
    OrbControl::linkNext(row.c, row.b);
    row.b->setEnabled(false);
    row.c->setEnabled(false);
    OrbControl::linkNext(row.a, row.b);
    row.a->setFocused(true);
    EXPECT_FALSE(row.a->keyEvent(OrbKeyTab, OrbKeyPressed, 0));
}

TEST(OrbControlLinks, VerticalAndHorizontalLinksAlsoSetNextAndPrevious) {
    RectControl a(nullptr, OrbRect{}), b(nullptr, OrbRect{}), c(nullptr, OrbRect{});
    OrbControl::linkVertical(&a, &b);
    EXPECT_EQ(a.neighbour(OrbControl::kNext), &b);
    EXPECT_EQ(a.neighbour(OrbControl::kDown), &b);
    EXPECT_EQ(b.neighbour(OrbControl::kPrevious), &a);
    EXPECT_EQ(b.neighbour(OrbControl::kUp), &a);
    EXPECT_EQ(a.neighbour(OrbControl::kRight), nullptr);
    OrbControl::linkHorizontal(&b, &c);
    EXPECT_EQ(b.neighbour(OrbControl::kRight), &c);
    EXPECT_EQ(c.neighbour(OrbControl::kLeft), &b);
    EXPECT_EQ(b.neighbour(OrbControl::kNext), &c);
    EXPECT_EQ(b.neighbour(OrbControl::kUp), &a);
}

TEST(OrbControlLayout, PlaceRectAnchorsEachCornerAndCentre) {
    const OrbPoint p{10, 20};
    EXPECT_EQ(placeRect(p, 4, 2, 0), (OrbRect{10, 20, 4, 2}));
    EXPECT_EQ(placeRect(p, 4, 2, 0x11), (OrbRect{10, 20, 4, 2}));
    EXPECT_EQ(placeRect(p, 4, 2, 0x22), (OrbRect{8, 19, 4, 2}));
    EXPECT_EQ(placeRect(p, 4, 2, 0x33), (OrbRect{6, 18, 4, 2}));
    EXPECT_EQ(placeRect(p, 4, 2, 0x03), (OrbRect{6, 20, 4, 2}));
    // Unknown anchors fall back to the left and bottom edges.
    EXPECT_EQ(placeRect(p, 4, 2, 0x77), (OrbRect{10, 20, 4, 2}));
}

TEST(OrbControlLayout, BoundsIncludeTheirEdges) {
    RectControl c(nullptr, OrbRect{1, 2, 3, 4});
    EXPECT_TRUE(c.contains(OrbPoint{1, 2}));
    EXPECT_TRUE(c.contains(OrbPoint{4, 6}));
    EXPECT_FALSE(c.contains(OrbPoint{4.01f, 6}));
    EXPECT_FALSE(c.contains(OrbPoint{0.99f, 3}));
}

TEST(OrbControlCallback, ReplacingTheCallbackDeletesTheOldOne) {
    int first = 0;
    int second = 0;
    bool deleted = false;
    struct Tracked : LambdaCallback {
        Tracked(std::function<void()> f, bool& flag) : LambdaCallback(std::move(f)), flag_(flag) {}
        ~Tracked() override { flag_ = true; }
        bool& flag_;
    };
    RectControl c(nullptr, OrbRect{});
    c.setCallback(std::make_unique<Tracked>([&first] { ++first; }, deleted));
    c.invokeCallback();
    c.setCallback(countInto(second));
    EXPECT_TRUE(deleted);
    c.invokeCallback();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}
