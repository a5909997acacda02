#include "ui/GvPushButton.h"

#include "UiTestSupport.h"
#include "graphics/OrbKeyCode.h"
#include "ui/GvLinkButton.h"
#include "ui/GvMenuButton.h"
#include "ui/GvSmallDialogPushButton.h"
#include "ui/GvUiColours.h"
#include "ui/OrbGroupControl.h"

#include <gtest/gtest.h>

struct StyledFixture {
    StyledFixture() { resources.font = font.get(); }
    std::unique_ptr<GvFont> font = makeTestFont();
    GvUiResources resources;
    OrbGroupControl panel{nullptr, OrbRect{-50, -50, 100, 100}};
    int clicks = 0;
};

TEST(GvPushButton, TheLabelColourShowsTheState) {
    StyledFixture f;
    const GvUiColours& c = GvUiColours::get();
    auto* button = f.panel.addChild(std::make_unique<GvPushButton>(
        &f.panel, &f.resources, OrbRect{0, 0, 40, 7}, "OK", countInto(f.clicks)));
    EXPECT_EQ(button->textColour(), c.pushNormal);
    f.panel.mouseMove(OrbPoint{1, 1}, 0);
    EXPECT_EQ(button->textColour(), c.pushHighlighted);
    button->setFocused(true);
    EXPECT_EQ(button->textColour(), c.focusedText);
    f.panel.mouseButton(OrbMouseLeft, true, OrbPoint{1, 1}, 0);
    EXPECT_EQ(button->textColour(), c.pushPressed);
    f.panel.mouseButton(OrbMouseLeft, false, OrbPoint{1, 1}, 0);
    EXPECT_EQ(f.clicks, 1);
}

TEST(GvPushButton, ADisabledButtonIsFadedAndASmallOneHidden) {
    StyledFixture f;
    GvPushButton button(nullptr, &f.resources, OrbRect{0, 0, 40, 7}, "OK", nullptr);
    const OrbColor tint{1, 1, 1, 0.5f};
    EXPECT_EQ(button.effectiveTint(tint), tint);
    button.setEnabled(false);
    const OrbColor faded = button.effectiveTint(tint);
    EXPECT_FLOAT_EQ(faded.a, 0.125f);
    EXPECT_FLOAT_EQ(faded.r, GvUiColours::get().pushDisabledTint.r);

    GvSmallDialogPushButton small(nullptr, &f.resources, OrbPoint{0, 0}, 0, "X", nullptr);
    small.setEnabled(false);
    EXPECT_FLOAT_EQ(small.effectiveTint(OrbColor{}).a, 0.0f);
}

TEST(GvSmallDialogPushButton, IsSizedToItsLabel) {
    StyledFixture f;
    GvSmallDialogPushButton small(nullptr, &f.resources, OrbPoint{10, 10}, 0x33, "REPLAY", nullptr);
    const float width = f.font->textWidth("REPLAY", 3.5f, 0, 1.0f, true) + 5.0f;
    EXPECT_EQ(small.bounds(), (OrbRect{10 - width, 5, width, 5}));
    EXPECT_FLOAT_EQ(GvSmallDialogPushButton::widthFor(nullptr, "REPLAY"), 5.0f);
}

TEST(GvMenuButton, PointingAtItTakesTheFocus) {
    StyledFixture f;
    const GvUiColours& c = GvUiColours::get();
    auto* start = f.panel.addChild(std::make_unique<GvMenuButton>(
        &f.panel, &f.resources, OrbPoint{0, 0}, "START", countInto(f.clicks)));
    auto* quit = f.panel.addChild(
        std::make_unique<GvMenuButton>(&f.panel, &f.resources, OrbPoint{0, -10}, "QUIT", nullptr));
    // Centred on its point, as large as its text at size 8.
    const OrbRect r = start->bounds();
    EXPECT_FLOAT_EQ(r.x + r.width / 2, 0.0f);
    EXPECT_FLOAT_EQ(r.y, -4.0f);
    EXPECT_FLOAT_EQ(r.height, 8.0f);
    start->setFocused(true);
    EXPECT_EQ(quit->textColour(), c.menuNormal);
    f.panel.mouseMove(OrbPoint{0, -10}, 0);
    EXPECT_TRUE(quit->isFocused());
    EXPECT_EQ(quit->textColour(), c.focusedText);
    EXPECT_EQ(start->textColour(), c.menuNormal);
    // A key hides the hover but the focus stays.
    f.panel.keyEvent('x', OrbKeyPressed, 0);
    EXPECT_TRUE(quit->isFocused());
    EXPECT_FALSE(quit->isHighlighted());
}

TEST(GvLinkButton, LightsUpWhenPointedAtOrFocused) {
    StyledFixture f;
    const GvUiColours& c = GvUiColours::get();
    auto* link = f.panel.addChild(std::make_unique<GvLinkButton>(
        &f.panel, &f.resources, OrbPoint{0, 0}, 0, "example", 5.0f, countInto(f.clicks)));
    EXPECT_EQ(link->textColour(), c.linkNormal);
    f.panel.mouseMove(OrbPoint{1, 1}, 0);
    EXPECT_EQ(link->textColour(), c.linkHot);
    EXPECT_FALSE(link->isFocused()); // unlike a menu entry
    f.panel.mouseButton(OrbMouseLeft, true, OrbPoint{1, 1}, 0);
    EXPECT_EQ(link->textColour(), c.linkPressed);
    f.panel.mouseButton(OrbMouseLeft, false, OrbPoint{1, 1}, 0);
    EXPECT_EQ(link->textColour(), c.linkHot);
    EXPECT_EQ(f.clicks, 1);
}
