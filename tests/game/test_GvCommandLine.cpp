#include "game/GvCommandLine.h"
#include "game/GvErrorBox.h"
#include "game/GvLevelPackBox.h"
#include "levelpack/GvLevelPack.h"

#include "GvViewTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Action = GvCommandLine::Action;
using Placement = GvCommandLine::Placement;

TEST(GvCommandLine, ReadsTheWords) {
    struct Case {
        std::vector<std::string> words;
        Action action;
        Placement placement;
        const char* packFile;
        const char* error;
    };
    const Case cases[] = {
        {{}, Action::Play, Placement::Stored, "", ""},
        {{"caves.grv"}, Action::Play, Placement::Stored, "caves.grv", ""},
        {{"--fullscreen", "old.bd"}, Action::Play, Placement::FullScreen, "old.bd", ""},
        {{"old.bd", "--windowed"}, Action::Play, Placement::Windowed, "old.bd", ""},
        {{"--windowed", "--windowed"}, Action::Play, Placement::Windowed, "", ""},
        {{"--", "-odd.grv"}, Action::Play, Placement::Stored, "-odd.grv", ""},
        {{"--version"}, Action::Version, Placement::Stored, "", ""},
        {{"--version", "--help"}, Action::Help, Placement::Stored, "", ""},
        {{"--bogus"}, Action::Error, Placement::Stored, "", "unknown option '--bogus'"},
        {{"-h"}, Action::Error, Placement::Stored, "", "unknown option '-h'"},
        {{"--help", "-x"}, Action::Error, Placement::Stored, "", "unknown option '-x'"},
        {{"a.grv", "b.grv"},
         Action::Error,
         Placement::Stored,
         "",
         "only one pack file can be given, not also 'b.grv'"},
        {{"--fullscreen", "--windowed"},
         Action::Error,
         Placement::Stored,
         "",
         "--fullscreen and --windowed cannot be used together"},
        {{""}, Action::Error, Placement::Stored, "", "an empty pack file name"},
    };
    for (const Case& c : cases) {
        const GvCommandLine line = GvCommandLine::parse(c.words);
        const std::string what = c.words.empty() ? "(none)" : c.words[0];
        EXPECT_EQ(line.action, c.action) << what;
        EXPECT_EQ(line.error, c.error) << what;
        if (c.action != Action::Error) {
            EXPECT_EQ(line.placement, c.placement) << what;
            EXPECT_EQ(line.packFile, c.packFile) << what;
        }
    }
}

// A window that has a place on the desktop, so that its placement is stored.
class PlacedViewImpl : public FakeViewImpl {
public:
    OrbWindowRect windowRectangle() const override { return {10, 20, 800, 600}; }
};

class GvCommandLineViewTest : public ::testing::Test {
protected:
    ViewTestFolder folder;
    PlacedViewImpl impl;
};

TEST_F(GvCommandLineViewTest, APackFileIsChosenAsInThePackBox) {
    const std::string good = folder.writeFile("small.grv", smallPackText());
    const std::string bad = folder.writeFile("broken.grv", "gravik 3\nvariants 1\ncave\n");
    GvView view(impl);
    EXPECT_TRUE(view.choosePackFile(good));
    EXPECT_EQ(view.packFileName(), good);
    EXPECT_EQ(view.levelPack().name, "Small");
    EXPECT_EQ(view.errorBox(), nullptr);
    view.saveSettings();
    EXPECT_EQ(folder.settings().readString("LevelPackFileName", ""), good);

    // A broken file shows the pack box's error and keeps the pack in use.
    EXPECT_FALSE(view.choosePackFile(bad));
    advanceFor(view, 0.5);
    ASSERT_NE(view.errorBox(), nullptr);
    EXPECT_EQ(view.modalPanel(), static_cast<GvMenuPanel*>(view.errorBox()));
    EXPECT_EQ(view.errorBox()->lines().front(), "Unable to load 'broken.grv':");
    EXPECT_EQ(view.packFileName(), good);

    EXPECT_FALSE(view.choosePackFile(folder.folder + "/missing.grv"));
    EXPECT_EQ(view.errorBox()->lines().front(), "Unable to open 'missing.grv'.");
}

TEST_F(GvCommandLineViewTest, APlacementOverrideIsForThisRunOnly) {
    folder.settings().writeBool("WindowFullScreen", true);
    int mode = -1;
    OrbWindowRect rect;
    {
        GvView view(impl);
        view.overridePlacement(false);
        view.initialPlacement(mode, rect);
        EXPECT_NE(mode, OrbWindowFullScreen);
        view.saveSettings();
        EXPECT_TRUE(folder.settings().readBool("WindowFullScreen", false));
    }
    folder.settings().writeBool("WindowFullScreen", false);
    GvView view(impl);
    view.overridePlacement(true);
    EXPECT_TRUE(view.initialPlacement(mode, rect));
    EXPECT_EQ(mode, OrbWindowFullScreen);
    // Switching full screen during the run is the player's own choice: kept.
    view.toggleFullScreen();
    EXPECT_TRUE(folder.settings().readBool("WindowFullScreen", false));
}

TEST_F(GvCommandLineViewTest, PacksInThePlayersFolderAreListed) {
    GvView view(impl);
    const std::string packs = folder.folder + "/data/Deepdelve/Gravik/Packs/";
    ASSERT_TRUE(std::filesystem::is_directory(packs)) << "made at start";
    std::ofstream(packs + "mine.grv") << smallPackText();
    GvLevelPackBox& box = view.levelPackBox();
    box.reset();
    bool listed = false;
    for (const auto& entry : box.entries()) {
        listed = listed || (entry->path == packs + "mine.grv" && entry->name == "Small");
    }
    EXPECT_TRUE(listed);
}

} // namespace
