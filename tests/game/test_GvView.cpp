#include "game/GvView.h"

#include "game/GvGameScreen.h"
#include "game/GvStatistics.h"
#include "game/panels/GvBonusFailedMenu.h"
#include "game/panels/GvErrorBox.h"
#include "game/panels/GvGameOverMenu.h"
#include "game/panels/GvLevelCompleteMenu.h"
#include "game/panels/GvPausedMenu.h"
#include "game/panels/GvStartBox.h"
#include "game/panels/GvTitleMenu.h"
#include "graphics/OrbClock.h"
#include "graphics/OrbKeyCode.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbPaths.h"
#include "sim/GvWorld.h"

#include "GvViewTestSupport.h"
#include "game/panels/PanelTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

class GvViewTest : public ::testing::Test {
protected:
    std::unique_ptr<GvView> makeView() { return std::make_unique<GvView>(impl); }

    // From the title menu through the start box into the selected level.
    void playFromTitle(GvView& view) {
        advanceFor(view, 0.4);
        ASSERT_EQ(view.modalPanel(), static_cast<GvPanel*>(&view.titleMenu()));
        click(view.titleMenu(), *findText(view.titleMenu(), "START"));
        advanceFor(view, 0.4);
        ASSERT_EQ(view.modalPanel(), static_cast<GvPanel*>(&view.startBox()));
        tapKey(view, OrbKeyReturn);
        advanceFor(view, 0.8);
        ASSERT_EQ(view.mode(), GvViewMode::InGame);
    }

    void type(GvView& view, const std::string& text) {
        for (const char c : text) {
            view.keyEvent(c, OrbKeyPressed, 0);
            view.keyEvent(c, OrbKeyReleased, 0);
        }
    }

    ViewTestFolder folder;
    FakeViewImpl impl;
};

TEST_F(GvViewTest, StartUpFadesInTheTitleMenu) {
    auto view = makeView();
    EXPECT_EQ(view->mode(), GvViewMode::MenuTransition);
    EXPECT_EQ(view->incomingPanel(), static_cast<GvPanel*>(&view->titleMenu()));
    EXPECT_EQ(view->modalPanel(), nullptr);
    EXPECT_EQ(impl.minimumClientWidth(), 160);
    EXPECT_EQ(impl.minimumClientHeight(), 100);
    EXPECT_FALSE(view->hasLoadedPack());
    EXPECT_EQ(view->selectedLevel(), 0);
    view->advance(0.1);
    view->advance(0.1);
    EXPECT_EQ(view->mode(), GvViewMode::MenuTransition);
    view->advance(0.1);
    EXPECT_EQ(view->mode(), GvViewMode::InMenu);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->titleMenu()));
}

TEST_F(GvViewTest, CaveLooksAreSeededWithTheCalendarTime) {
    const auto before = static_cast<std::uint32_t>(OrbClock::calendarSeconds());
    auto view = makeView();
    const auto after = static_cast<std::uint32_t>(OrbClock::calendarSeconds());
    const std::uint32_t seed = view->screen().world().cosmetic_random.state;
    EXPECT_GE(seed, before);
    EXPECT_LE(seed, after);
    EXPECT_NE(seed, 0u);
}

TEST_F(GvViewTest, AStalledFrameAdvancesOnlyATenthOfASecond) {
    auto view = makeView();
    view->advance(2.0);
    EXPECT_NEAR(view->idleSeconds(), 0.1, 1e-9);
    EXPECT_NEAR(view->transitionProgress(), 0.1f / 0.3f, 1e-5);
    view->advance(-1.0);
    EXPECT_NEAR(view->idleSeconds(), 0.1, 1e-9);
}

TEST_F(GvViewTest, StoredSelectedLevelIsClampedToThePack) {
    {
        OrbDefaults settings = folder.settings();
        settings.writeInt("SelectedLevel", 1000);
    }
    {
        auto view = makeView();
        EXPECT_EQ(view->selectedLevel(), view->levelPack().levelCount() - 1);
    }
    folder.settings().writeInt("SelectedLevel", -5);
    auto view = makeView();
    EXPECT_EQ(view->selectedLevel(), 0);
}

TEST_F(GvViewTest, AMissingStoredPackFallsBackToTheBuiltInPackAtLevelZero) {
    OrbDefaults settings = folder.settings();
    settings.writeString("LevelPackFileName", folder.folder + "/gone.grv");
    settings.writeInt("SelectedLevel", 7);
    auto view = makeView();
    EXPECT_FALSE(view->hasLoadedPack());
    EXPECT_EQ(view->packFileName(), "");
    EXPECT_EQ(view->selectedLevel(), 0);
}

TEST_F(GvViewTest, AStoredPackIsLoadedWithItsLevel) {
    const std::string path = folder.writeFile("small.grv", smallPackText());
    OrbDefaults settings = folder.settings();
    settings.writeString("LevelPackFileName", path);
    settings.writeInt("SelectedLevel", 5);
    auto view = makeView();
    ASSERT_TRUE(view->hasLoadedPack());
    EXPECT_EQ(view->levelPack().name, "Small");
    EXPECT_EQ(view->selectedLevel(), 5);
    EXPECT_EQ(view->statistics().packName(), "small.grv");
}

TEST_F(GvViewTest, SettingsAreWrittenOnSaveAndFullScreenToggle) {
    const std::string path = folder.writeFile("small.grv", smallPackText());
    {
        auto view = makeView();
        std::string message;
        ASSERT_TRUE(view->loadLevelPack(path, message)) << message;
        view->setSelectedLevel(6);
        view->setVolume(0.25f);
        view->saveState();
    }
    OrbDefaults settings = folder.settings();
    EXPECT_EQ(settings.readString("LevelPackFileName", ""), path);
    EXPECT_EQ(settings.readInt("SelectedLevel", 0), 6);
    EXPECT_FLOAT_EQ(settings.readFloat("Volume", 0.0f), 0.25f);

    auto view = makeView();
    EXPECT_FLOAT_EQ(view->volume(), 0.25f);
    view->setSelectedLevel(3);
    view->keyEvent(OrbKeyReturn, OrbKeyPressed, OrbModAlt | OrbModCapsLock);
    EXPECT_TRUE(impl.isFullScreen());
    EXPECT_EQ(settings.readInt("SelectedLevel", 0), 3);
}

// Every save replaces the settings file exactly once, with all six values in it.
TEST_F(GvViewTest, EverySaveWritesTheWholeSettingsFileAtOnce) {
    const std::string settingsFolder = folder.folder + "/config/" + kGvVendorName + "/Gravik";
    std::filesystem::create_directories(settingsFolder);
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, settingsFolder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);
    const auto replacements = [watch] {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = read(watch, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                count += (event->mask & IN_MOVED_TO) && std::string(event->name) == "settings";
                p += sizeof(inotify_event) + event->len;
            }
        }
        return count;
    };

    impl.rectangle = {10, 20, 640, 480};
    auto view = makeView();
    view->saveState();
    EXPECT_EQ(replacements(), 1);
    view->keyEvent(OrbKeyReturn, OrbKeyPressed, OrbModAlt);
    EXPECT_EQ(replacements(), 1);
    close(watch);

    OrbDefaults settings = folder.settings();
    EXPECT_EQ(settings.readRect("WindowRectangle", {}), (OrbDefaults::Rect{10, 20, 640, 480}));
    EXPECT_TRUE(settings.readBool("WindowFullScreen", false));
    EXPECT_FALSE(settings.readBool("WindowMaximized", true));
    EXPECT_EQ(settings.readString("LevelPackFileName", "-"), "");
    EXPECT_EQ(settings.readInt("SelectedLevel", -1), 0);
    EXPECT_FLOAT_EQ(settings.readFloat("Volume", 0.0f), 0.5f);
}

TEST_F(GvViewTest, AFirstStartOpensMaximized) {
    auto view = makeView();
    int mode = -1;
    OrbWindowRect rectangle{1, 1, 1, 1};
    EXPECT_TRUE(view->initialPlacement(mode, rectangle));
    EXPECT_EQ(mode, OrbWindowMaximized);
    EXPECT_EQ(rectangle.width, 0);
    folder.settings().writeBool("WindowMaximized", false);
    EXPECT_FALSE(view->initialPlacement(mode, rectangle));
    EXPECT_EQ(mode, OrbWindowNormal);
}

TEST_F(GvViewTest, AltReturnTogglesFullScreenOnlyWithAltAlone) {
    auto view = makeView();
    EXPECT_FALSE(view->keyEvent(OrbKeyReturn, OrbKeyPressed, OrbModAlt | OrbModControl));
    EXPECT_EQ(impl.fullScreenChanges, 0);
    EXPECT_TRUE(view->keyEvent(OrbKeyReturn, OrbKeyPressed, OrbModAlt | OrbModCapsLock));
    EXPECT_EQ(impl.fullScreenChanges, 1);
    view->keyEvent(OrbKeyReturn, OrbKeyRepeated, OrbModAlt);
    EXPECT_EQ(impl.fullScreenChanges, 1);
    view->keyEvent(OrbKeyReturn, OrbKeyPressed, OrbModAlt);
    EXPECT_FALSE(impl.isFullScreen());
}

TEST_F(GvViewTest, VolumeKeysStepBySixteenthsWithinRange) {
    auto view = makeView();
    advanceFor(*view, 0.4);
    view->setVolume(0.5f);
    EXPECT_TRUE(view->keyEvent(OrbKeyLeftBracket, OrbKeyPressed, 0));
    EXPECT_FLOAT_EQ(view->volume(), 0.4375f);
    view->keyEvent(OrbKeyRightBracket, OrbKeyRepeated, 0);
    view->keyEvent(OrbKeyRightBracket, OrbKeyPressed, 0);
    EXPECT_FLOAT_EQ(view->volume(), 0.5625f);
    for (int i = 0; i < 20; ++i) {
        view->volumeUp();
    }
    EXPECT_FLOAT_EQ(view->volume(), 1.0f);
    EXPECT_FALSE(view->keyEvent(OrbKeyLeftBracket, OrbKeyReleased, 0));
    EXPECT_FLOAT_EQ(view->volume(), 1.0f);
}

TEST_F(GvViewTest, ContinuePastTheLastLevelStaysInTheLastVariant) {
    const std::string path = folder.writeFile("small.grv", smallPackText());
    auto view = makeView();
    std::string message;
    ASSERT_TRUE(view->loadLevelPack(path, message));
    view->setSelectedLevel(6);
    view->advanceLevel();
    EXPECT_EQ(view->selectedLevel(), 7);
    view->advanceLevel();
    EXPECT_EQ(view->selectedLevel(), 4);
    view->setSelectedLevel(3);
    view->advanceLevel();
    EXPECT_EQ(view->selectedLevel(), 4);
}

TEST_F(GvViewTest, LoadingPacksReportsWhatWentWrongAndKeepsThePackInUse) {
    auto view = makeView();
    std::string message;
    EXPECT_FALSE(view->loadLevelPack(folder.folder + "/none.grv", message));
    EXPECT_EQ(message, "Unable to open 'none.grv'.");

    const std::string bad = folder.writeFile("bad.grv", "gravik 3\nvariants 1\ncave 10\n");
    EXPECT_FALSE(view->loadLevelPack(bad, message));
    EXPECT_EQ(message.rfind("Unable to load 'bad.grv':\n\n", 0), 0u) << message;
    EXPECT_GT(message.size(), std::string("Unable to load 'bad.grv':\n\n").size());
    EXPECT_FALSE(view->hasLoadedPack());

    const std::string good = folder.writeFile("small.grv", smallPackText());
    view->setSelectedLevel(3);
    ASSERT_TRUE(view->loadLevelPack(good, message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(view->selectedLevel(), 0);
    EXPECT_EQ(view->packFileName(), good);
    EXPECT_FALSE(view->loadLevelPack(bad, message));
    EXPECT_EQ(view->levelPack().name, "Small");

    view->useStandardPack();
    EXPECT_FALSE(view->hasLoadedPack());
    EXPECT_EQ(view->statistics().packName(), "Standard");
}

TEST_F(GvViewTest, PauseResumeAndAbortFollowTheScreenFlow) {
    auto view = makeView();
    playFromTitle(*view);
    EXPECT_EQ(view->playMode(), GvPlayMode::Normal);
    EXPECT_EQ(view->screen().currentLevel(), 0);

    EXPECT_TRUE(view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
    EXPECT_TRUE(view->isPauseRequested());
    EXPECT_EQ(view->mode(), GvViewMode::GameTransition);
    const int tick = view->screen().world().tick_count;
    advanceFor(*view, 0.4);
    ASSERT_EQ(view->mode(), GvViewMode::OverlayOnGame);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->pausedMenu(true)));
    advanceFor(*view, 1.0);
    EXPECT_EQ(view->screen().world().tick_count, tick) << "a paused cave must not advance";

    view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0); // resume
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->mode(), GvViewMode::InGame);
    EXPECT_FALSE(view->isPauseRequested());
    advanceFor(*view, 0.5);
    EXPECT_GT(view->screen().world().tick_count, tick);

    view->mouseButton(OrbMouseLeft, OrbMousePress, 10, 10, 0);
    advanceFor(*view, 0.4);
    ASSERT_EQ(view->mode(), GvViewMode::OverlayOnGame);
    GvPausedMenu& paused = view->pausedMenu(true);
    click(paused, *findText(paused, "ABORT"));
    advanceFor(*view, 0.8);
    EXPECT_EQ(view->mode(), GvViewMode::InMenu);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->titleMenu()));
    EXPECT_EQ(view->panelStackDepth(), 0u);
}

TEST_F(GvViewTest, TryAgainRestartsTheSameLevel) {
    auto view = makeView();
    view->setSelectedLevel(2);
    playFromTitle(*view);
    advanceFor(*view, 2.0);
    view->pauseGame();
    advanceFor(*view, 0.4);
    GvPausedMenu& paused = view->pausedMenu(true);
    click(paused, *findText(paused, "TRY AGAIN"));
    advanceFor(*view, 0.8);
    EXPECT_EQ(view->mode(), GvViewMode::InGame);
    EXPECT_EQ(view->screen().currentLevel(), 2);
    EXPECT_LT(view->screen().world().tick_count, 10);
}

TEST_F(GvViewTest, EndOfACaveShowsTheMatchingPanelAndRecordsCompletions) {
    auto view = makeView();
    playFromTitle(*view);
    view->screen().world().diamonds_collected = 9;
    view->caveEnded(GvWorldState::Completed);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->levelCompleteMenu(true)));
    EXPECT_EQ(view->statistics().records().size(), 1u);

    GvLevelCompleteMenu& done = view->levelCompleteMenu(true);
    click(done, *findText(done, "CONTINUE"));
    advanceFor(*view, 0.8);
    EXPECT_EQ(view->mode(), GvViewMode::InGame);
    EXPECT_EQ(view->selectedLevel(), 1);
    EXPECT_EQ(view->screen().currentLevel(), 1);

    view->caveEnded(GvWorldState::PlayerGone);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->gameOverMenu()));
    GvGameOverMenu& over = view->gameOverMenu();
    click(over, *findText(over, "TRY AGAIN"));
    advanceFor(*view, 0.8);
    EXPECT_EQ(view->screen().currentLevel(), 1);

    // A bonus cave failed offers the next level instead of another try.
    view->screen().world().bonus = true;
    view->caveEnded(GvWorldState::Ended);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->bonusFailedMenu()));
    view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->mode(), GvViewMode::OverlayOnGame) << "Escape does nothing here";
}

TEST_F(GvViewTest, CheatedCompletionsAreNotRecorded) {
    auto view = makeView();
    playFromTitle(*view);
    type(*view, "vextalm");
    EXPECT_TRUE(view->cheatOn(GvView::CheatTimeStop));
    EXPECT_FALSE(view->screen().world().time_limit_on);
    advanceFor(*view, 0.2);
    EXPECT_TRUE(view->screen().cheated());
    view->caveEnded(GvWorldState::Completed);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->levelCompleteMenu(false)));
    EXPECT_TRUE(view->statistics().records().empty());

    // The next cave starts with its clock stopped too, until the code is typed again.
    GvLevelCompleteMenu& done = view->levelCompleteMenu(false);
    click(done, *findText(done, "CONTINUE"));
    advanceFor(*view, 0.8);
    ASSERT_EQ(view->mode(), GvViewMode::InGame);
    EXPECT_FALSE(view->screen().world().time_limit_on);
    type(*view, "vextalm");
    EXPECT_TRUE(view->screen().world().time_limit_on);
}

TEST_F(GvViewTest, TheSelfDestructCodeEndsThePlayer) {
    auto view = makeView();
    playFromTitle(*view);
    type(*view, "tarnqel");
    EXPECT_TRUE(view->screen().world().player_must_die);
}

TEST_F(GvViewTest, IdleTitleMenuPlaysDemosAndAnyKeyEndsThem) {
    auto view = makeView();
    ASSERT_FALSE(view->levelPack().demoLevels().empty());
    advanceFor(*view, 0.4);
    advanceFor(*view, 9.0);
    EXPECT_EQ(view->mode(), GvViewMode::InMenu);
    advanceFor(*view, 1.2);
    EXPECT_EQ(view->playMode(), GvPlayMode::Demo);
    EXPECT_EQ(view->demoCursor(), 0);
    advanceFor(*view, 0.8);
    ASSERT_EQ(view->mode(), GvViewMode::InGame);
    EXPECT_EQ(view->screen().playMode(), GvPlayMode::Demo);
    EXPECT_EQ(view->screen().currentLevel(), view->levelPack().demoLevels()[0]);

    EXPECT_TRUE(view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
    advanceFor(*view, 0.8);
    EXPECT_EQ(view->mode(), GvViewMode::InMenu);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->titleMenu()));
    EXPECT_FALSE(view->isPauseRequested());

    // The next idle spell plays the next demo.
    advanceFor(*view, 10.5);
    EXPECT_EQ(view->demoCursor(), 1);
}

TEST_F(GvViewTest, ACompletedDemoSetsABestOnlyWithItsCheatOn) {
    auto view = makeView();
    const int level = view->levelPack().demoLevels().at(0);
    GvStatistics::Key key{};
    view->levelPack().levelDigest(level, key.data());
    for (const bool cheat : {false, true}) {
        if (cheat) {
            type(*view, "3dozy3rest");
        }
        advanceFor(*view, 11.0);
        ASSERT_EQ(view->playMode(), GvPlayMode::Demo);
        // Played to its end, the demo completes its cave and the menu comes back.
        for (int i = 0; i < 20 * 120 && view->mode() != GvViewMode::InMenu; ++i) {
            view->advance(0.05);
        }
        ASSERT_EQ(view->mode(), GvViewMode::InMenu);
        EXPECT_EQ(view->screen().world().state, GvWorldState::Completed);
        EXPECT_EQ(view->statistics().find(key) != nullptr, cheat);
        // The next idle spell would play the next demo; start over from the first.
        view->useStandardPack();
    }
}

TEST_F(GvViewTest, APackWithoutDemosNeverLeavesTheTitleMenu) {
    const std::string path = folder.writeFile("small.grv", smallPackText());
    auto view = makeView();
    std::string message;
    ASSERT_TRUE(view->loadLevelPack(path, message));
    advanceFor(*view, 30.0);
    EXPECT_EQ(view->mode(), GvViewMode::InMenu);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->titleMenu()));
}

TEST_F(GvViewTest, KeysAndClicksKeepTheTitleMenuFromIdling) {
    auto view = makeView();
    advanceFor(*view, 8.0);
    view->keyEvent(OrbKeyShift, OrbKeyReleased, 0);
    advanceFor(*view, 8.0);
    view->mouseButton(OrbMouseRight, OrbMousePress, 1, 1, 0);
    advanceFor(*view, 8.0);
    EXPECT_EQ(view->mode(), GvViewMode::InMenu);
}

TEST_F(GvViewTest, ErrorBoxReturnsWithoutResettingThePanelBeneath) {
    auto view = makeView();
    advanceFor(*view, 0.4);
    view->showScreen(&view->startBox());
    advanceFor(*view, 0.4);
    findText(view->startBox(), "CANCEL")->setFocused(true);
    view->showError("Something went wrong");
    advanceFor(*view, 0.4);
    ASSERT_NE(view->errorBox(), nullptr);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(view->errorBox()));
    view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->startBox()));
    EXPECT_EQ(view->startBox().findFocused(), findText(view->startBox(), "CANCEL"));
    view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->titleMenu()));
}

// Statistics that cannot be read are neither shown as an error nor overwritten; the
// game plays on and keeps the completions in memory.
TEST_F(GvViewTest, UnreadableStatisticsStayUntouchedByACompletion) {
    const std::string stats =
        userDataFolder(kGvVendorName, kGvProductName) + "Statistics/Standard.stats";
    std::filesystem::create_directories(stats + "/kept");
    auto view = makeView();
    playFromTitle(*view);
    view->screen().world().diamonds_collected = 9;
    view->caveEnded(GvWorldState::Completed);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&view->levelCompleteMenu(true)));
    EXPECT_EQ(view->errorBox(), nullptr);
    EXPECT_EQ(impl.lastMessage, "");
    EXPECT_EQ(view->statistics().records().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(stats + "/kept"));
}

TEST_F(GvViewTest, QuitClosesTheWindowLayer) {
    auto view = makeView();
    advanceFor(*view, 0.4);
    click(view->titleMenu(), *findText(view->titleMenu(), "QUIT"));
    EXPECT_TRUE(impl.closed);
}

} // namespace
