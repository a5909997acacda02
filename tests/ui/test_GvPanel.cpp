#include "ui/GvPanel.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"
#include "ui/GvDialogPushButton.h"
#include "ui/GvList.h"
#include "ui/GvSolid.h"

#include <cmath>

#include <gtest/gtest.h>

// A panel that counts its Return and Escape hooks and presses its OK button on
// Return, as dialogs do.
class CountingPanel : public GvPanel {
public:
    CountingPanel() : GvPanel(nullptr, nullptr, OrbRect{0, 0, 100, 100}) {
        ok = addChild(std::make_unique<GvDialogPushButton>(this, nullptr, OrbRect{0, 0, 40, 7},
                                                           "OK", countInto(oks)));
        cancel = addChild(std::make_unique<GvDialogPushButton>(this, nullptr, OrbRect{50, 0, 40, 7},
                                                               "CANCEL", countInto(cancels)));
        OrbControl::linkHorizontal(ok, cancel);
        cancel->setDefaultFocus(true);
    }
    void onReturn(int key) override {
        ++returns;
        ok->pressByKey(key);
    }
    void onEscape() override { ++escapes; }
    void finish() { finishPanel("Title"); }

    GvDialogPushButton* ok = nullptr;
    GvDialogPushButton* cancel = nullptr;
    int oks = 0;
    int cancels = 0;
    int returns = 0;
    int escapes = 0;
};

TEST(GvPanel, ResetFocusesTheDefaultControlAndForgetsHoverAndPresses) {
    CountingPanel panel;
    panel.mouseMove(OrbPoint{5, 3}, 0);
    panel.mouseButton(OrbMouseLeft, true, OrbPoint{5, 3}, 0);
    EXPECT_TRUE(panel.ok->isFocused());
    EXPECT_TRUE(panel.ok->isHighlighted());
    panel.reset();
    EXPECT_TRUE(panel.cancel->isFocused());
    EXPECT_FALSE(panel.ok->isFocused());
    EXPECT_FALSE(panel.ok->isHighlighted());
    EXPECT_FALSE(panel.ok->isCapturing());
    panel.mouseButton(OrbMouseLeft, false, OrbPoint{5, 3}, 0);
    EXPECT_EQ(panel.oks, 0);
}

TEST(GvPanel, AFocusedButtonTakesReturnBeforeThePanel) {
    CountingPanel panel;
    panel.reset();
    EXPECT_TRUE(panel.keyEvent(OrbKeyReturn, OrbKeyPressed, 0));
    EXPECT_TRUE(panel.keyEvent(OrbKeyReturn, OrbKeyReleased, 0));
    EXPECT_EQ(panel.cancels, 1);
    EXPECT_EQ(panel.returns, 0);
}

TEST(GvPanel, UnhandledReturnAndEscapeReachTheHooks) {
    CountingPanel panel;
    panel.reset();
    panel.cancel->setEnabled(false);
    // The disabled focused button lets Return through: the panel presses OK,
    // whose action comes with the release.
    EXPECT_TRUE(panel.keyEvent(OrbKeyReturn, OrbKeyPressed, 0));
    EXPECT_EQ(panel.returns, 1);
    EXPECT_TRUE(panel.ok->isPressed());
    EXPECT_TRUE(panel.keyEvent(OrbKeyReturn, OrbKeyReleased, 0));
    EXPECT_EQ(panel.oks, 1);
    EXPECT_TRUE(panel.keyEvent(OrbKeyEscape, OrbKeyPressed, OrbModCapsLock));
    EXPECT_EQ(panel.escapes, 1);
}

TEST(GvPanel, RepeatsReleasesAndModifiedKeysDoNotReachTheHooks) {
    CountingPanel panel;
    panel.cancel->setEnabled(false);
    EXPECT_FALSE(panel.keyEvent(OrbKeyEscape, OrbKeyRepeated, 0));
    EXPECT_FALSE(panel.keyEvent(OrbKeyEscape, OrbKeyReleased, 0));
    EXPECT_FALSE(panel.keyEvent(OrbKeyEscape, OrbKeyPressed, OrbModShift));
    EXPECT_FALSE(panel.keyEvent(OrbKeyReturn, OrbKeyPressed, OrbModAlt));
    EXPECT_FALSE(panel.keyEvent('x', OrbKeyPressed, 0));
    panel.setEnabled(false);
    EXPECT_FALSE(panel.keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
    EXPECT_EQ(panel.escapes, 0);
    EXPECT_EQ(panel.returns, 0);
}

TEST(GvPanel, KeyboardWalksBetweenButtonsAndIntoAList) {
    CountingPanel panel;
    auto* list =
        panel.addChild(std::make_unique<GvList>(&panel, nullptr, OrbRect{0, 20, 100, 30}, 5, 4.0f));
    list->setItems({"a", "b", "c"});
    OrbControl::linkVertical(list, panel.ok);
    panel.cancel->setNeighbour(OrbControl::kUp, list);
    panel.reset();
    EXPECT_TRUE(panel.keyEvent(OrbKeyLeft, OrbKeyPressed, 0));
    EXPECT_TRUE(panel.ok->isFocused());
    EXPECT_TRUE(panel.keyEvent(OrbKeyUp, OrbKeyPressed, 0));
    EXPECT_TRUE(list->isFocused());
    // In the list the arrows move the selection, Tab leaves it.
    EXPECT_TRUE(panel.keyEvent(OrbKeyDown, OrbKeyPressed, 0));
    EXPECT_EQ(list->selected(), 1);
    EXPECT_TRUE(panel.keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(panel.ok->isFocused());
}

TEST(GvPanel, FinishingCentresThePanelInARoundedFrame) {
    CountingPanel panel;
    panel.finish();
    // The buttons span 90 x 7; the frame adds 8 at the sides, 4 below and above,
    // and the title band on top, and the whole is centred on the origin.
    const OrbRect b = panel.bounds();
    EXPECT_FLOAT_EQ(b.width, 90.0f + 16.0f);
    EXPECT_FLOAT_EQ(b.height, 7.0f + 8.0f + GvPanel::kTitleBand);
    EXPECT_FLOAT_EQ(b.x, -b.width / 2.0f);
    EXPECT_FLOAT_EQ(b.y, -b.height / 2.0f);
    EXPECT_FLOAT_EQ(panel.ok->bounds().x, b.x + 8.0f);
    EXPECT_FLOAT_EQ(panel.ok->bounds().y, b.y + 4.0f);
    EXPECT_TRUE(panel.cancel->isFocused());

    // The body: four quarter circles of nine points about centres 4 in from the
    // corners, so no point lies in the square corners themselves.
    const auto* body = dynamic_cast<const GvSolid*>(panel.frame()->child(0));
    ASSERT_NE(body, nullptr);
    ASSERT_EQ(body->points().size(), 4u * GvPanel::kCornerPoints);
    const float right = b.x + b.width;
    EXPECT_NEAR(body->points()[0].x, right - 4.0f, 1e-4f);
    EXPECT_NEAR(body->points()[0].y, b.y, 1e-4f);
    EXPECT_NEAR(body->points()[8].x, right, 1e-4f);
    EXPECT_NEAR(body->points()[8].y, b.y + 4.0f, 1e-4f);
    for (const OrbPoint& p : body->points()) {
        const float dx = std::max(std::fabs(p.x) - (b.width / 2.0f - 4.0f), 0.0f);
        const float dy = std::max(std::fabs(p.y) - (b.height / 2.0f - 4.0f), 0.0f);
        EXPECT_NEAR(std::hypot(dx, dy), 4.0f, 1e-3f);
    }
    // Moving the panel moves its frame along.
    panel.moveBy(OrbPoint{10.0f, 0.0f});
    EXPECT_NEAR(body->points()[0].x, right + 6.0f, 1e-4f);
}
