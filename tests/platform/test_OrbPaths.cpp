#include "platform/OrbPaths.h"

#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {} // namespace

TEST(OrbPaths, ProgramFolderIsTheTestProgramsRealFolder) {
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ('/', folder.back());
    const auto expected = std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
    EXPECT_EQ(expected, folder);
}

TEST(OrbPaths, UserDataFolderPrefersXdgDataHome) {
    ScopedEnv xdg("XDG_DATA_HOME", "/tmp/xdg");
    EXPECT_EQ("/tmp/xdg/Vendor/Gravik/", userDataFolder("Vendor", "Gravik"));
    ScopedEnv xdgSlash("XDG_DATA_HOME", "/tmp/xdg/");
    EXPECT_EQ("/tmp/xdg/Vendor/Gravik/", userDataFolder("Vendor", "Gravik"));
}

TEST(OrbPaths, UserDataFolderFallsBackToHomeThenCurrentFolder) {
    ScopedEnv home("HOME", "/home/player");
    {
        ScopedEnv xdg("XDG_DATA_HOME", nullptr);
        EXPECT_EQ("/home/player/.local/share/V/P/", userDataFolder("V", "P"));
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "");
        EXPECT_EQ("/home/player/.local/share/V/P/", userDataFolder("V", "P"));
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ("/home/player/.local/share/V/P/", userDataFolder("V", "P"));
    }
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ("./V/P/", userDataFolder("V", "P"));
}

TEST(OrbPaths, FileNamePart) {
    EXPECT_EQ("pack.grv", fileNamePart("/usr/games/gravik/pack.grv"));
    EXPECT_EQ("pack.grv", fileNamePart("pack.grv"));
    EXPECT_EQ("", fileNamePart("/usr/games/"));
    EXPECT_EQ("", fileNamePart(""));
}

TEST(OrbPaths, AbsolutePathIsTakenFromTheCurrentFolder) {
    const std::string here = std::filesystem::current_path().string() + "/";
    EXPECT_EQ(absolutePath("/abs/pack.grv"), "/abs/pack.grv");
    EXPECT_EQ(absolutePath("pack.grv"), here + "pack.grv");
    EXPECT_EQ(absolutePath("./caves/pack.grv"), here + "caves/pack.grv");
    EXPECT_EQ(absolutePath("../pack.grv"), here + "../pack.grv");
    EXPECT_EQ(absolutePath(""), "");
}
