#include "game/GvAboutBox.h"
#include "game/GvBonusFailedMenu.h"
#include "game/GvErrorBox.h"
#include "game/GvGameOverMenu.h"
#include "game/GvHelpBox.h"
#include "game/GvLevelCompleteMenu.h"
#include "game/GvLevelPackBox.h"
#include "game/GvOptionsBox.h"
#include "game/GvPausedMenu.h"
#include "game/GvStartBox.h"
#include "game/GvTitleMenu.h"
#include "graphics/OrbKeyCode.h"

#include "GvViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

class GvPanelsTest : public ::testing::Test {
protected:
    ViewTestFolder folder;
    FakeViewImpl impl;
    GvView view{impl};
};

TEST_F(GvPanelsTest, EveryPanelFitsAFourByThreeCanvas) {
    GvErrorBox error(view, std::string(2000, 'w'));
    const GvMenuPanel* panels[] = {&view.titleMenu(),
                                   &view.startBox(),
                                   &view.levelPackBox(),
                                   &view.optionsBox(),
                                   &view.helpBox(),
                                   &view.aboutBox(),
                                   &view.pausedMenu(true),
                                   &view.pausedMenu(false),
                                   &view.levelCompleteMenu(false),
                                   &view.levelCompleteMenu(true),
                                   &view.bonusFailedMenu(),
                                   &view.gameOverMenu(),
                                   &error};
    for (const GvMenuPanel* panel : panels) {
        const OrbRect b = panel->bounds();
        SCOPED_TRACE(panel->title());
        EXPECT_GE(b.x, -200.0f / 3.0f);
        EXPECT_LE(b.x + b.width, 200.0f / 3.0f);
        EXPECT_GE(b.y, -50.0f);
        EXPECT_LE(b.y + b.height, 50.0f);
        for (int i = 0; i < panel->itemCount(); ++i) {
            const OrbRect r = panel->item(i).rect;
            if (panel->item(i).kind != GvMenuPanel::Text) {
                EXPECT_GE(r.x, b.x) << panel->item(i).text;
                EXPECT_LE(r.x + r.width, b.x + b.width) << panel->item(i).text;
            }
        }
    }
}

TEST_F(GvPanelsTest, ErrorMessagesAreFilteredWrappedAndCutToTenLines) {
    std::string message = "Unable to load 'caves{1}.grv':\n";
    for (int i = 0; i < 30; ++i) {
        message += "\nline " + std::to_string(i);
    }
    GvErrorBox box(view, message);
    ASSERT_EQ(box.lines().size(), 10u);
    EXPECT_EQ(box.lines()[0], "Unable to load 'caves\x18"
                              "1\x18.grv':");
    EXPECT_EQ(box.lines()[1], "");
    EXPECT_EQ(box.lines()[9], "line 7");

    // A word wider than a line is cut so that no line is wider than the box.
    GvErrorBox longWord(view, std::string(60, 'x') + " " + std::string(10, 'y'));
    ASSERT_GE(longWord.lines().size(), 3u);
    EXPECT_EQ(longWord.lines().back(), std::string(10, 'y'));
    std::string joined;
    for (std::size_t i = 0; i + 1 < longWord.lines().size(); ++i) {
        joined += longWord.lines()[i];
    }
    EXPECT_EQ(joined, std::string(60, 'x'));
    EXPECT_LE(longWord.bounds().width, GvErrorBox::kWrapWidth + 16.0f + 0.01f);
    EXPECT_NE(longWord.findItem("DONE"), -1);
}

TEST_F(GvPanelsTest, MailLinksEncodeSubjectAndBody) {
    EXPECT_EQ(GvAboutBox::mailLink("a@b.c", "", ""), "mailto:a@b.c");
    EXPECT_EQ(GvAboutBox::mailLink("a@b.c", "Gravik 3.1.0 (Linux)", ""),
              "mailto:a@b.c?subject=Gravik%203%2E1%2E0%20%28Linux%29");
    EXPECT_EQ(GvAboutBox::mailLink("a@b.c", "", "Hi\nthere"), "mailto:a@b.c?body=Hi%0D%0Athere");
    EXPECT_EQ(GvAboutBox::mailLink("a@b.c", "S", "x&y"), "mailto:a@b.c?subject=S&body=x%26y");
    EXPECT_EQ(GvAboutBox::encodeMailText("t\tab\x7f\xc3\xa9!"), "tab%21");
}

TEST_F(GvPanelsTest, AboutLinksGoToTheDesktopOrAreShownWhenItCannotOpenThem) {
    GvAboutBox& about = view.aboutBox();
    about.reset();
    // Opened by the desktop: nothing to show.
    impl.lastMessage.clear();
    ASSERT_TRUE(about.press(about.findItem(GvAboutBox::kWebLabel)));
    ASSERT_EQ(impl.openedLinks.size(), 1u);
    EXPECT_EQ(impl.openedLinks[0], GvAboutBox::kWebAddress);
    EXPECT_EQ(impl.lastMessage, "");

    // Refused: the address is shown instead, and full screen is left first so that
    // the message (or a browser) is not hidden behind the game.
    impl.linksOpen = false;
    impl.setFullScreen(true);
    ASSERT_TRUE(view.isFullScreen());
    ASSERT_TRUE(about.press(about.findItem(GvAboutBox::kMailAddress)));
    ASSERT_EQ(impl.openedLinks.size(), 2u);
    EXPECT_EQ(impl.openedLinks[1],
              "mailto:caves@gravik.invalid?subject=Gravik%203%2E1%2E0%20%28Linux%29");
    EXPECT_EQ(impl.lastMessage, impl.openedLinks[1]);
    EXPECT_FALSE(view.isFullScreen());
}

TEST_F(GvPanelsTest, PausedMenusDifferOnlyInTheRetryRow) {
    GvPausedMenu& with = view.pausedMenu(true);
    GvPausedMenu& without = view.pausedMenu(false);
    EXPECT_NE(with.findItem("TRY AGAIN"), -1);
    EXPECT_EQ(without.findItem("TRY AGAIN"), -1);
    for (GvPausedMenu* menu : {&with, &without}) {
        EXPECT_EQ(menu->title(), "Paused");
        menu->reset();
        EXPECT_EQ(menu->focus(), menu->findItem("RESUME"));
        EXPECT_NE(menu->findItem("ABORT"), -1);
    }
    EXPECT_GT(with.bounds().height, without.bounds().height);
}

TEST_F(GvPanelsTest, OnlyTheRecordInstanceAnnouncesANewHighScore) {
    EXPECT_EQ(view.levelCompleteMenu(false).findItem("New High Score"), -1);
    GvLevelCompleteMenu& record = view.levelCompleteMenu(true);
    EXPECT_NE(record.findItem("New High Score"), -1);
    record.reset();
    EXPECT_EQ(record.focus(), record.findItem("CONTINUE"));
}

TEST_F(GvPanelsTest, KeyboardMovesTheFocusAndPressesButtons) {
    GvTitleMenu& title = view.titleMenu();
    title.reset();
    EXPECT_EQ(title.focus(), title.findItem("START"));
    title.keyEvent(OrbKeyUp, OrbKeyPressed, 0);
    EXPECT_EQ(title.focus(), title.findItem("QUIT"));
    title.keyEvent(OrbKeyDown, OrbKeyPressed, 0);
    title.keyEvent(OrbKeyDown, OrbKeyRepeated, 0);
    EXPECT_EQ(title.focus(), title.findItem("OPTIONS"));
    // Escape and an unbound key do nothing on the title menu.
    EXPECT_TRUE(title.keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
    EXPECT_FALSE(title.keyEvent('q', OrbKeyPressed, 0));
    advanceFor(view, 0.4);
    view.keyEvent(OrbKeyReturn, OrbKeyPressed, 0);
    advanceFor(view, 0.4);
    EXPECT_EQ(view.modalPanel(), static_cast<GvMenuPanel*>(&view.optionsBox()));
}

TEST_F(GvPanelsTest, OptionsShowFullScreenStateAndChangeVolume) {
    GvOptionsBox& options = view.optionsBox();
    options.reset();
    const int field = options.findItem("Off");
    ASSERT_NE(field, -1);
    options.press(options.findItem("Toggle"));
    EXPECT_TRUE(impl.isFullScreen());
    EXPECT_EQ(options.item(field).text, "On");
    impl.setFullScreen(false);
    options.beforeDraw();
    EXPECT_EQ(options.item(field).text, "Off");

    view.setVolume(0.5f);
    options.reset();
    options.keyEvent(OrbKeyTab, OrbKeyPressed, OrbModShift);
    while (options.focus() >= 0 && options.item(options.focus()).kind != GvMenuPanel::Spinner) {
        options.keyEvent(OrbKeyDown, OrbKeyPressed, 0);
    }
    options.keyEvent(OrbKeyLeft, OrbKeyPressed, 0);
    EXPECT_FLOAT_EQ(view.volume(), 0.4375f);
}

TEST_F(GvPanelsTest, ClicksHitButtonsInCanvasUnits) {
    GvPausedMenu& menu = view.pausedMenu(false);
    menu.reset();
    const OrbRect abort = menu.item(menu.findItem("ABORT")).rect;
    EXPECT_FALSE(menu.mouseButton(OrbMouseLeft, OrbMousePress, abort.x - 5.0f, abort.y));
    EXPECT_TRUE(menu.mouseButton(OrbMouseLeft, OrbMousePress, abort.x + 1.0f, abort.y + 1.0f));
    EXPECT_EQ(menu.focus(), menu.findItem("ABORT"));
}

} // namespace
