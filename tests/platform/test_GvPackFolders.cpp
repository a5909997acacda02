#include "platform/GvPackFolders.h"
#include "platform/OrbFolder.h"
#include "platform/OrbPaths.h"

#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(GvPackFolders, InstalledFolderFollowsTheProgramsBinFolder) {
    struct Case {
        const char* program;
        const char* expected;
    };
    const Case cases[] = {
        {"/usr/local/bin/", "/usr/local/share/gravik/packs/"},
        {"/opt/games/bin/", "/opt/games/share/gravik/packs/"},
        {"/bin/", "/share/gravik/packs/"},
        // Not in a "bin" folder (a build folder): the prefix the game was built for.
        {"/home/me/gravik/build/", "/usr/share/gravik/packs/"},
        {"/home/me/cabin/", "/usr/share/gravik/packs/"},
        {"./", "/usr/share/gravik/packs/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GvPackFolders::installedFor(c.program, "/usr/"), c.expected) << c.program;
    }
}

TEST(GvPackFolders, ProgramThenPlayerThenInstalledEachOnce) {
    const std::string data = std::filesystem::temp_directory_path().string() + "/gravik-folders";
    ScopedEnv xdg("XDG_DATA_HOME", data);
    const std::string user = data + "/Deepdelve/Gravik/Packs/";
    EXPECT_EQ(GvPackFolders::user(), user);
    EXPECT_EQ(GvPackFolders::all(),
              (std::vector<std::string>{programFolder(), user, GvPackFolders::installed()}));

    // A player folder that is the program's own folder (through a link) is not
    // searched twice.
    std::filesystem::remove_all(data);
    std::filesystem::create_directories(data + "/Deepdelve/Gravik");
    std::filesystem::create_directory_symlink(programFolder(), data + "/Deepdelve/Gravik/Packs");
    EXPECT_EQ(GvPackFolders::all(),
              (std::vector<std::string>{programFolder(), GvPackFolders::installed()}));
    std::filesystem::remove_all(data);
}
