#include "game/panels/GvAboutBox.h"
#include "game/panels/GvBonusFailedMenu.h"
#include "game/panels/GvErrorBox.h"
#include "game/panels/GvGameOverMenu.h"
#include "game/panels/GvHelpBox.h"
#include "game/panels/GvLevelCompleteMenu.h"
#include "game/panels/GvLevelPackBox.h"
#include "game/panels/GvOptionsBox.h"
#include "game/panels/GvPausedMenu.h"
#include "game/panels/GvStartBox.h"
#include "game/panels/GvTitleMenu.h"
#include "ui/GvCustomSpinner.h"
#include "ui/GvField.h"
#include "ui/GvList.h"
#include "ui/GvSlider.h"

#include "PanelTestSupport.h"
#include "game/GvViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

class GvPanelsTest : public ::testing::Test {
protected:
    // Shows a panel as the player would reach it and lets the slide finish.
    void show(GvPanel& panel) {
        advanceFor(view, 0.4);
        view.showScreen(&panel);
        advanceFor(view, 0.4);
        ASSERT_EQ(view.modalPanel(), &panel);
    }

    std::vector<GvPanel*> panels() {
        return {&view.titleMenu(),
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
                &view.gameOverMenu()};
    }

    ViewTestFolder folder;
    FakeViewImpl impl;
    GvView view{impl};
};

TEST_F(GvPanelsTest, EveryPanelFitsAFourByThreeCanvasInsideItsFrame) {
    GvErrorBox error(view, std::string(2000, 'w'));
    std::vector<GvPanel*> all = panels();
    all.push_back(&error);
    for (const GvPanel* panel : all) {
        SCOPED_TRACE(panel->title());
        const OrbRect b = panel->bounds();
        EXPECT_GE(b.x, -200.0f / 3.0f);
        EXPECT_LE(b.x + b.width, 200.0f / 3.0f);
        EXPECT_GE(b.y, -50.0f);
        EXPECT_LE(b.y + b.height, 50.0f);
        if (panel->frame() == nullptr) {
            continue;
        }
        // Framed panels are centred, and no control pokes out of the frame.
        EXPECT_NEAR(b.x + b.width / 2.0f, 0.0f, 1e-3f);
        EXPECT_NEAR(b.y + b.height / 2.0f, 0.0f, 1e-3f);
        for (int i = 0; i < panel->childCount(); ++i) {
            const OrbRect r = panel->child(i)->bounds();
            EXPECT_GE(r.x, b.x);
            EXPECT_LE(r.x + r.width, b.x + b.width);
            EXPECT_GE(r.y, b.y);
            EXPECT_LE(r.y + r.height, b.y + b.height - GvPanel::kTitleBand);
        }
    }
    EXPECT_EQ(view.titleMenu().frame(), nullptr);
    EXPECT_NE(view.startBox().frame(), nullptr);
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
    EXPECT_LE(longWord.bounds().width, GvErrorBox::kWrapWidth + 2 * GvPanel::kMarginX + 0.01f);
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
    show(about);
    impl.lastMessage.clear();
    click(about, *findText(about, GvAboutBox::kWebLabel));
    ASSERT_EQ(impl.openedLinks.size(), 1u);
    EXPECT_EQ(impl.openedLinks[0], GvAboutBox::kWebAddress);
    EXPECT_EQ(impl.lastMessage, "");

    // Refused: the address is shown instead, and full screen is left first so that
    // the message (or a browser) is not hidden behind the game.
    impl.linksOpen = false;
    impl.setFullScreen(true);
    about.keyEvent(OrbKeyDown, OrbKeyPressed, 0); // the clicked web link -> mail link
    tapKey(about, OrbKeySpace);
    ASSERT_EQ(impl.openedLinks.size(), 2u);
    EXPECT_EQ(impl.openedLinks[1],
              "mailto:caves@gravik.invalid?subject=Gravik%203%2E1%2E0%20%28Linux%29");
    EXPECT_EQ(impl.lastMessage, impl.openedLinks[1]);
    EXPECT_FALSE(view.isFullScreen());
}

// Each row: a panel, the control focused first, a key with its modifiers, and the
// control that has the focus afterwards (the same one when the key leads nowhere).
TEST_F(GvPanelsTest, FocusFollowsTheNeighbourLinksWithoutWrapping) {
    struct Step {
        GvPanel* panel;
        const char* from;
        int key;
        int modifiers;
        const char* to;
    };
    GvLevelPackBox& packs = view.levelPackBox();
    const Step steps[] = {
        {&view.titleMenu(), "START", OrbKeyDown, 0, "OPTIONS"},
        {&view.titleMenu(), "START", OrbKeyUp, 0, "START"},
        {&view.titleMenu(), "QUIT", OrbKeyDown, 0, "QUIT"},
        {&view.titleMenu(), "QUIT", OrbKeyTab, OrbModShift, "ABOUT"},
        {&view.titleMenu(), "HELP", OrbKeyDown, OrbModControl, "HELP"},
        {&view.pausedMenu(true), "RESUME", OrbKeyDown, 0, "TRY AGAIN"},
        {&view.pausedMenu(false), "RESUME", OrbKeyTab, 0, "ABORT"},
        {&view.pausedMenu(false), "ABORT", OrbKeyTab, 0, "ABORT"},
        {&view.levelCompleteMenu(true), "ABORT", OrbKeyUp, 0, "CONTINUE"},
        {&view.gameOverMenu(), "TRY AGAIN", OrbKeyDown, OrbModAlt, "TRY AGAIN"},
        {&view.optionsBox(), "DONE", OrbKeyUp, 0, "Toggle"},
        {&view.optionsBox(), "Toggle", OrbKeyDown, 0, "DONE"},
        {&packs, "LOAD", OrbKeyRight, 0, "CANCEL"},
        {&packs, "CANCEL", OrbKeyLeft, 0, "LOAD"},
        {&packs, "LOAD", OrbKeyUp, 0, nullptr},
        {&packs, "CANCEL", OrbKeyTab, 0, nullptr},
        {&view.aboutBox(), "DONE", OrbKeyUp, 0, "caves@gravik.invalid"},
        {&view.startBox(), "START", OrbKeyRight, 0, "CANCEL"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.panel->title()) + " " + step.from);
        step.panel->reset();
        OrbControl* from = findText(*step.panel, step.from);
        ASSERT_NE(from, nullptr);
        from->setFocused(true);
        step.panel->keyEvent(step.key, OrbKeyPressed, step.modifiers);
        // Null stands for the pack list, which shows no text of its own.
        OrbControl* to = step.to != nullptr ? findText(*step.panel, step.to)
                                            : static_cast<OrbControl*>(packs.list());
        EXPECT_EQ(step.panel->findFocused(), to);
    }
    // Options: from the toggle up to the volume slider.
    view.optionsBox().reset();
    findText(view.optionsBox(), "Toggle")->setFocused(true);
    view.optionsBox().keyEvent(OrbKeyUp, OrbKeyPressed, 0);
    EXPECT_EQ(view.optionsBox().findFocused(), view.optionsBox().slider());
}

TEST_F(GvPanelsTest, ShownPanelsFocusTheirDefaultControl) {
    const struct {
        GvPanel* panel;
        const char* text;
    } defaults[] = {
        {&view.titleMenu(), "START"},
        {&view.pausedMenu(true), "RESUME"},
        {&view.gameOverMenu(), "TRY AGAIN"},
        {&view.bonusFailedMenu(), "CONTINUE"},
        {&view.levelCompleteMenu(true), "CONTINUE"},
        {&view.helpBox(), "DONE"},
        {&view.aboutBox(), "DONE"},
        {&view.optionsBox(), "DONE"},
    };
    for (const auto& entry : defaults) {
        SCOPED_TRACE(entry.panel->title());
        entry.panel->child(entry.panel->childCount() - 1)->setFocused(true);
        entry.panel->reset();
        EXPECT_EQ(entry.panel->findFocused(), findText(*entry.panel, entry.text));
    }
    view.startBox().reset();
    EXPECT_EQ(view.startBox().findFocused(), view.startBox().caveSpinner());
    view.levelPackBox().reset();
    EXPECT_EQ(view.levelPackBox().findFocused(), view.levelPackBox().list());
}

TEST_F(GvPanelsTest, TitleEntriesOpenTheirPanelsAndFollowThePointer) {
    GvTitleMenu& title = view.titleMenu();
    const struct {
        const char* text;
        GvPanel* panel;
    } entries[] = {{"START", &view.startBox()},
                   {"OPTIONS", &view.optionsBox()},
                   {"HELP", &view.helpBox()},
                   {"ABOUT", &view.aboutBox()}};
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.text);
        advanceFor(view, 0.4);
        ASSERT_EQ(view.modalPanel(), &title);
        OrbControl& button = *findText(title, entry.text);
        // Pointing at an entry focuses it.
        title.mouseMove(centreOf(button), 0);
        EXPECT_EQ(title.findFocused(), &button);
        title.mouseButton(OrbMouseLeft, true, centreOf(button), 0);
        EXPECT_EQ(view.modalPanel(), &title) << "buttons act on release";
        title.mouseButton(OrbMouseLeft, false, centreOf(button), 0);
        EXPECT_EQ(view.incomingPanel(), entry.panel);
        advanceFor(view, 0.4);
        view.keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
    }
    // Dragging off a pressed entry cancels it.
    advanceFor(view, 0.4);
    OrbControl& help = *findText(title, "HELP");
    title.mouseButton(OrbMouseLeft, true, centreOf(help), 0);
    title.mouseMove({0.0f, 45.0f}, 0);
    title.mouseButton(OrbMouseLeft, false, {0.0f, 45.0f}, 0);
    EXPECT_EQ(view.mode(), GvViewMode::InMenu);
    EXPECT_EQ(view.modalPanel(), &title);
}

// Each row: the panel shown over another, a button on it, and the panel the
// controller brings in when it is clicked.
TEST_F(GvPanelsTest, DialogButtonsReachTheController) {
    GvLevelPackBox& packs = view.levelPackBox();
    const struct {
        GvPanel* under;
        GvPanel* panel;
        const char* button;
        GvPanel* next;
    } rows[] = {
        {&view.titleMenu(), &view.startBox(), "CANCEL", &view.titleMenu()},
        {&view.titleMenu(), &view.startBox(), "\x14", &packs},
        {&view.startBox(), &packs, "CANCEL", &view.startBox()},
        {&view.titleMenu(), &view.helpBox(), "DONE", &view.titleMenu()},
        {&view.titleMenu(), &view.aboutBox(), "DONE", &view.titleMenu()},
        {&view.titleMenu(), &view.optionsBox(), "DONE", &view.titleMenu()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.panel->title()) + " " + row.button);
        advanceFor(view, 0.4);
        if (view.modalPanel() != row.under) {
            view.showScreen(row.under);
            advanceFor(view, 0.4);
        }
        show(*row.panel);
        click(*row.panel, *findText(*row.panel, row.button));
        EXPECT_EQ(view.incomingPanel(), row.next);
    }
}

TEST_F(GvPanelsTest, ReturnAndEscapeOfTheDialogs) {
    // Escape closes every dialog of the title menu; Return presses its main button,
    // which acts when the key comes up.
    for (GvPanel* dialog :
         {static_cast<GvPanel*>(&view.optionsBox()), static_cast<GvPanel*>(&view.helpBox()),
          static_cast<GvPanel*>(&view.aboutBox()), static_cast<GvPanel*>(&view.startBox())}) {
        SCOPED_TRACE(dialog->title());
        show(*dialog);
        view.keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
        EXPECT_EQ(view.incomingPanel(), &view.titleMenu());
    }
    show(view.optionsBox());
    view.optionsBox().slider()->setFocused(true);
    view.keyEvent(OrbKeyReturn, OrbKeyPressed, 0);
    EXPECT_EQ(view.modalPanel(), &view.optionsBox()) << "DONE acts on release";
    view.keyEvent(OrbKeyReturn, OrbKeyReleased, 0);
    EXPECT_EQ(view.incomingPanel(), &view.titleMenu());

    // The title menu and a failed bonus cave ignore both keys.
    advanceFor(view, 0.4);
    for (GvPanel* panel : {static_cast<GvPanel*>(&view.titleMenu()),
                           static_cast<GvPanel*>(&view.bonusFailedMenu())}) {
        panel->reset();
        EXPECT_TRUE(panel->keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
        EXPECT_EQ(view.mode(), GvViewMode::InMenu);
    }
}

TEST_F(GvPanelsTest, OptionsSliderStoresTheVolumeOnReleaseAndButtonsStepIt) {
    GvOptionsBox& options = view.optionsBox();
    show(options);
    view.setVolume(0.5f);
    OrbSliderControl& track = *options.slider()->track();
    const OrbRect r = track.bounds();
    const float y = r.y + r.height / 2.0f;
    options.mouseButton(OrbMouseLeft, true, {r.x + r.width * 0.25f, y}, 0);
    EXPECT_EQ(options.findFocused(), options.slider());
    options.mouseMove({r.x + r.width * 0.75f, y}, 0);
    EXPECT_FLOAT_EQ(view.volume(), 0.5f) << "nothing is stored while dragging";
    options.mouseButton(OrbMouseLeft, false, {r.x + r.width * 2.0f, y}, 0);
    EXPECT_FLOAT_EQ(view.volume(), 1.0f);

    click(options, *options.slider()->decrementButton());
    EXPECT_FLOAT_EQ(view.volume(), 0.9375f);
    options.keyEvent(OrbKeyLeft, OrbKeyPressed, 0);
    EXPECT_FLOAT_EQ(view.volume(), 0.875f);
    options.tick(0.45);
    EXPECT_FLOAT_EQ(view.volume(), 0.8125f) << "a held key repeats";
    options.keyEvent(OrbKeyLeft, OrbKeyReleased, 0);
    options.tick(0.45);
    EXPECT_FLOAT_EQ(view.volume(), 0.8125f);

    click(options, *findText(options, "Toggle"));
    EXPECT_TRUE(impl.isFullScreen());
    EXPECT_EQ(options.fullScreenField()->text(), "On");
}

} // namespace
