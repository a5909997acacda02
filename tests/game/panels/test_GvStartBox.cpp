#include "game/panels/GvStartBox.h"

#include "game/GvGameScreen.h"
#include "game/GvStatistics.h"
#include "game/panels/GvErrorBox.h"
#include "game/panels/GvLevelPackBox.h"
#include "graphics/OrbKeyCode.h"
#include "levelpack/GvLevelPack.h"
#include "ui/GvCustomSpinner.h"
#include "ui/GvList.h"
#include "ui/GvPushButton.h"

#include "PanelTestSupport.h"
#include "game/GvViewTestSupport.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

// The small pack: caves One (A), Two (B, locked), Extra (bonus, D), Four (C, locked);
// two variants, so level = variant x 4 + cave.
class GvStartBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<GvView>(impl);
        std::string message;
        ASSERT_TRUE(view->loadLevelPack(folder.writeFile("small.grv", smallPackText()), message))
            << message;
    }

    void complete(int level, int diamonds = 3, int ticksLeft = 250) {
        GvStatistics::Key key{};
        view->levelPack().levelDigest(level, key.data());
        view->statistics().record(diamonds, ticksLeft, key, {{8, 5}, {0, 3}});
    }

    GvStartBox& box() { return view->startBox(); }

    ViewTestFolder folder;
    FakeViewImpl impl;
    std::unique_ptr<GvView> view;
};

TEST_F(GvStartBoxTest, BonusCavesAreOfferedOnceTheCaveBeforeIsDoneInEveryVariant) {
    const GvLevelPack& pack = view->levelPack();
    GvStatistics& stats = view->statistics();
    EXPECT_EQ(GvStartBox::offeredCaves(pack, stats, false), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(GvStartBox::offeredCaves(pack, stats, true), (std::vector<int>{0, 1, 2, 3}));
    complete(1);
    EXPECT_EQ(GvStartBox::offeredCaves(pack, stats, false), (std::vector<int>{0, 1, 3}));
    complete(5);
    EXPECT_EQ(GvStartBox::offeredCaves(pack, stats, false), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(GvStartBoxTest, LockedLevelsOpenWhenTheNearestNormalLevelBelowIsDone) {
    const GvLevelPack& pack = view->levelPack();
    GvStatistics& stats = view->statistics();
    EXPECT_FALSE(GvStartBox::isLocked(pack, stats, 0, false));
    EXPECT_TRUE(GvStartBox::isLocked(pack, stats, 1, false));
    EXPECT_FALSE(GvStartBox::isLocked(pack, stats, 1, true));
    complete(0);
    EXPECT_FALSE(GvStartBox::isLocked(pack, stats, 1, false));
    // Four's nearest lower normal level is Two (the bonus cave between is skipped).
    EXPECT_TRUE(GvStartBox::isLocked(pack, stats, 3, false));
    complete(2);
    EXPECT_TRUE(GvStartBox::isLocked(pack, stats, 3, false));
    complete(1);
    EXPECT_FALSE(GvStartBox::isLocked(pack, stats, 3, false));
    // In the second variant, Two opens from One of the same variant.
    EXPECT_TRUE(GvStartBox::isLocked(pack, stats, 5, false));
    complete(4);
    EXPECT_FALSE(GvStartBox::isLocked(pack, stats, 5, false));
    // A level with a record of its own is open whatever lies below it.
    complete(7);
    EXPECT_FALSE(GvStartBox::isLocked(pack, stats, 7, false));
}

TEST_F(GvStartBoxTest, TheShownCaveIsTheNextOfferedOneElseTheLastBefore) {
    EXPECT_EQ(GvStartBox::chooseCave({0, 1, 3}, 2), 3);
    EXPECT_EQ(GvStartBox::chooseCave({0, 1, 3}, 1), 1);
    EXPECT_EQ(GvStartBox::chooseCave({0, 1}, 3), 1);
    EXPECT_EQ(GvStartBox::chooseCave({}, 0), -1);

    view->setSelectedLevel(6); // the bonus cave in the second variant, not offered
    box().reset();
    EXPECT_EQ(box().shownCave(), 3);
    EXPECT_EQ(box().shownVariant(), 1);
    EXPECT_EQ(view->selectedLevel(), 7);
}

TEST_F(GvStartBoxTest, LettersAndDigitsChooseCavesAndVariants) {
    box().reset();
    box().keyEvent('c', OrbKeyPressed, 0);
    EXPECT_EQ(box().shownCave(), 3);
    box().keyEvent('2', OrbKeyPressed, OrbModCapsLock);
    EXPECT_EQ(box().shownVariant(), 1);
    EXPECT_EQ(view->selectedLevel(), 7);
    box().keyEvent('3', OrbKeyPressed, 0); // only two variants
    box().keyEvent('z', OrbKeyPressed, 0); // no such code
    box().keyEvent('d', OrbKeyPressed, 0); // the bonus cave is not offered yet
    box().keyEvent('a', OrbKeyPressed, OrbModControl);
    EXPECT_EQ(view->selectedLevel(), 7);
    box().keyEvent('b', OrbKeyPressed, OrbModShift);
    EXPECT_EQ(view->selectedLevel(), 5);
    box().keyEvent(OrbKeyRight, OrbKeyPressed, 0); // the cave spinner has the focus
    EXPECT_EQ(box().shownCave(), 3);
}

TEST_F(GvStartBoxTest, LockedLevelsCannotBeStartedAndHideTheirBests) {
    advanceFor(*view, 0.4);
    view->setSelectedLevel(1);
    box().reset();
    EXPECT_TRUE(box().shownLocked());
    EXPECT_FALSE(box().startButton()->isEnabled());
    tapKey(box(), OrbKeyReturn);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->mode(), GvViewMode::InMenu);
    EXPECT_EQ(box().bestDiamondsText(), "");

    view->setSelectedLevel(0);
    box().reset();
    EXPECT_FALSE(box().shownLocked());
    EXPECT_EQ(box().bestDiamondsText(), "Best \x1e: --");
    EXPECT_EQ(box().bestTimeText(), "Best \x1f: --.-");
}

TEST_F(GvStartBoxTest, BestLinesShowTheRecordAndReplayIt) {
    // The small pack's caves keep the default tick rate; 250 ticks at rate r.
    const float rate = view->levelPack().variant(0, 0)->tick_rate;
    complete(0, 7, 250);
    view->setSelectedLevel(0);
    box().reset();
    char expected[32];
    std::snprintf(expected, sizeof expected, "Best \x1f: %.1f", 250 / rate);
    EXPECT_EQ(box().bestDiamondsText(), "Best \x1e: 7");
    EXPECT_EQ(box().bestTimeText(), expected);

    advanceFor(*view, 0.4);
    view->showScreen(&box());
    advanceFor(*view, 0.4);
    ASSERT_TRUE(box().replayButton(1)->isEnabled());
    click(box(), *box().replayButton(1));
    EXPECT_EQ(view->playMode(), GvPlayMode::BestReplay);
    advanceFor(*view, 0.8);
    ASSERT_EQ(view->mode(), GvViewMode::InGame);
    EXPECT_TRUE(view->screen().world().replaying);
    // The end of a replay goes back to the start box, not to a panel over the cave.
    view->caveEnded(GvWorldState::Completed);
    advanceFor(*view, 0.8);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&box()));
    EXPECT_EQ(view->statistics().records().size(), 1u);
}

TEST_F(GvStartBoxTest, PackNameOrUntitled) {
    box().reset();
    EXPECT_EQ(box().packText(), "Small");
    std::string text = smallPackText();
    text.replace(text.find("name \"Small\"\n"), 13, "");
    std::string message;
    ASSERT_TRUE(view->loadLevelPack(folder.writeFile("untitled.grv", text), message));
    box().reset();
    EXPECT_EQ(box().packText(), "- Untitled -");
}

TEST_F(GvStartBoxTest, TheUnlockCheatOpensEverything) {
    view->setSelectedLevel(3);
    box().reset();
    EXPECT_TRUE(box().shownLocked());
    for (const char c : std::string("zanderfoxly")) {
        view->keyEvent(c, OrbKeyPressed, 0);
    }
    EXPECT_TRUE(box().unlockAll());
    EXPECT_FALSE(box().shownLocked());
}

TEST_F(GvStartBoxTest, PackBoxSelectsTheCurrentPackAndLoadsOthers) {
    GvLevelPackBox& packs = view->levelPackBox();
    packs.setFolder(folder.folder + "/");
    folder.writeFile("broken.grv", "gravik 3\nvariants 1\ncave\n");
    view->useStandardPack();
    packs.reset();
    ASSERT_GE(packs.entries().size(), 3u);
    EXPECT_EQ(packs.entries()[packs.selection()]->kind, GvLevelPackEntry::kBuiltIn);
    EXPECT_EQ(packs.fileText(), "[Standard Level Pack]");

    // Open the box over the start box, then load the broken file: an error box.
    advanceFor(*view, 0.4);
    view->showScreen(&box());
    advanceFor(*view, 0.4);
    view->showScreen(&packs);
    advanceFor(*view, 0.4);
    int broken = -1, small = -1;
    for (int i = 0; i < static_cast<int>(packs.entries().size()); ++i) {
        if (packs.entries()[i]->path.ends_with("broken.grv")) {
            broken = i;
        }
        if (packs.entries()[i]->path.ends_with("small.grv")) {
            small = i;
        }
    }
    ASSERT_GE(broken, 0);
    ASSERT_GE(small, 0);
    packs.list()->setSelected(broken);
    EXPECT_FALSE(packs.load());
    advanceFor(*view, 0.4);
    ASSERT_NE(view->errorBox(), nullptr);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(view->errorBox()));
    EXPECT_FALSE(view->hasLoadedPack());
    tapKey(*view, OrbKeyReturn);
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&packs));
    EXPECT_EQ(packs.selection(), broken) << "the box beneath an error keeps its state";

    packs.list()->setSelected(small);
    EXPECT_TRUE(packs.load());
    advanceFor(*view, 0.4);
    EXPECT_EQ(view->modalPanel(), static_cast<GvPanel*>(&box()));
    EXPECT_EQ(box().packText(), "Small");
    packs.reset();
    EXPECT_EQ(packs.selection(), small);
}

TEST(GvLevelPackBoxRows, SelectionSitsInTheMiddleOfTheVisibleRows) {
    EXPECT_EQ(GvLevelPackBox::firstRowFor(0, 20, 7), 0);
    EXPECT_EQ(GvLevelPackBox::firstRowFor(10, 20, 7), 7);
    EXPECT_EQ(GvLevelPackBox::firstRowFor(19, 20, 7), 13);
    EXPECT_EQ(GvLevelPackBox::firstRowFor(2, 4, 7), 0);
}

} // namespace
