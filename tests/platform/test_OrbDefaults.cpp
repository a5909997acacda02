#include "platform/OrbDefaults.h"

#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

// Points HOME and XDG_CONFIG_HOME at a fresh temporary folder for each test.
class OrbDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char templ[] = "/tmp/gravik-defaults-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        root_ = templ;
        home_.emplace("HOME", root_ + "/home");
        config_.emplace("XDG_CONFIG_HOME", root_ + "/config");
    }
    void TearDown() override {
        config_.reset();
        home_.reset();
        std::filesystem::remove_all(root_);
    }

    std::string settingsPath() const { return root_ + "/config/Vendor/Gravik/settings"; }

    void writeSettings(const std::string& text) const {
        std::filesystem::create_directories(root_ + "/config/Vendor/Gravik");
        std::ofstream(settingsPath(), std::ios::binary) << text;
    }

    std::string readSettings() const {
        std::ifstream in(settingsPath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string root_;

private:
    std::optional<ScopedEnv> home_;
    std::optional<ScopedEnv> config_;
};

TEST_F(OrbDefaultsTest, FirstStartGivesTheDefaultsAndWritesNothing) {
    OrbDefaults defaults("Vendor", "Gravik");
    EXPECT_EQ(defaults.filePath(), settingsPath());
    EXPECT_EQ(defaults.readInt("SelectedLevel", 0), 0);
    EXPECT_EQ(defaults.readString("LevelPackFileName", ""), "");
    EXPECT_EQ(defaults.readFloat("Volume", 0.5f), 0.5f);
    EXPECT_EQ(defaults.readRect("WindowRectangle", {}), OrbDefaults::Rect{});
    EXPECT_FALSE(defaults.readBool("WindowFullScreen", false));
    EXPECT_TRUE(defaults.readBool("WindowMaximized", true));
    EXPECT_FALSE(std::filesystem::exists(root_ + "/config"));
}

TEST_F(OrbDefaultsTest, ValuesRoundTripInTheirTextForms) {
    OrbDefaults defaults("Vendor", "Gravik");
    defaults.writeInt("SelectedLevel", 17);
    defaults.writeString("LevelPackFileName", "/packs/My \\ \"caves\"\nnext.grv");
    defaults.writeFloat("Volume", 0.5f);
    defaults.writeRect("WindowRectangle", {-8, 20, 1024, 768});
    defaults.writeBool("WindowFullScreen", true);
    defaults.writeBool("WindowMaximized", false);
    defaults.writeInt("Negative", -5);

    OrbDefaults again("Vendor", "Gravik");
    EXPECT_EQ(again.readInt("SelectedLevel", 0), 17);
    EXPECT_EQ(again.readString("LevelPackFileName", ""), "/packs/My \\ \"caves\"\nnext.grv");
    EXPECT_EQ(again.readFloat("Volume", 1.0f), 0.5f);
    EXPECT_EQ(again.readRect("WindowRectangle", {}), (OrbDefaults::Rect{-8, 20, 1024, 768}));
    EXPECT_TRUE(again.readBool("WindowFullScreen", false));
    EXPECT_FALSE(again.readBool("WindowMaximized", true));
    EXPECT_EQ(again.readInt("Negative", 0), -5);
    // Value names ignore letter case, like the names of a registry key.
    EXPECT_EQ(again.readInt("selectedlevel", 0), 17);

    const std::string text = readSettings();
    EXPECT_NE(text.find("Volume=string:0.500000\n"), std::string::npos) << text;
    EXPECT_NE(text.find("WindowRectangle=string:-8,20,1024,768\n"), std::string::npos) << text;
    EXPECT_NE(text.find("SelectedLevel=dword:17\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Negative=dword:4294967291\n"), std::string::npos) << text;

    // Rewriting one value keeps the others and does not duplicate it.
    again.writeInt("selectedLEVEL", 3);
    EXPECT_EQ(defaults.readInt("SelectedLevel", 0), 3);
    EXPECT_TRUE(defaults.readBool("WindowFullScreen", false));
    const std::string rewritten = readSettings();
    EXPECT_EQ(rewritten.find("=dword:17"), std::string::npos);
    EXPECT_EQ(rewritten.find("SelectedLevel"), rewritten.rfind("SelectedLevel"));

    // A text holding a zero character is stored up to it.
    defaults.writeString("Name", std::string("ab\0cd", 5));
    EXPECT_EQ(defaults.readString("Name", "x"), "ab");
}

TEST_F(OrbDefaultsTest, WrongTypesAndFormsReadAsTheDefault) {
    writeSettings("# kept by hand\n"
                  "SelectedLevel=string:5\n"
                  "WindowMaximized=string:1\n"
                  "Volume=string:abc\n"
                  "Loud=string:2.5\n"
                  "Spaced=string:  0.25xyz\n"
                  "Endless=string:inf\n"
                  "Nothing=string:nan\n"
                  "AsNumber=dword:1\n"
                  "WindowRectangle=string:1,2,3\n"
                  "Spaces=string:1 , 2, 3,\t4 tail\n"
                  "LateSpace=string:1,2 ,3,4\n"
                  "Huge=string:99999999999,1,2,3\n"
                  "Big=dword:4294967296\n"
                  "Letters=dword:12a\n"
                  "Empty=dword:\n"
                  "BadEscape=string:a\\qb\n"
                  "Unknown=float:1.0\n"
                  "no equals sign here\n");
    OrbDefaults defaults("Vendor", "Gravik");
    EXPECT_EQ(defaults.readInt("SelectedLevel", 0), 0);
    EXPECT_TRUE(defaults.readBool("WindowMaximized", true));
    EXPECT_EQ(defaults.readFloat("Volume", 0.5f), 0.5f);
    EXPECT_EQ(defaults.readFloat("Loud", 0.5f), 2.5f);
    EXPECT_EQ(defaults.readFloat("Spaced", 0.5f), 0.25f);
    EXPECT_EQ(defaults.readFloat("Endless", 0.5f), 0.5f);
    EXPECT_EQ(defaults.readFloat("Nothing", 0.5f), 0.5f);
    EXPECT_EQ(defaults.readString("AsNumber", "def"), "def");
    EXPECT_EQ(defaults.readFloat("AsNumber", 0.75f), 0.75f);

    const OrbDefaults::Rect fallback{7, 7, 7, 7};
    EXPECT_EQ(defaults.readRect("WindowRectangle", {}), OrbDefaults::Rect{});
    EXPECT_EQ(defaults.readRect("Spaces", fallback), (OrbDefaults::Rect{1, 2, 3, 4}));
    EXPECT_EQ(defaults.readRect("LateSpace", fallback), fallback);
    EXPECT_EQ(defaults.readRect("Huge", fallback), fallback);
    EXPECT_EQ(defaults.readRect("Volume", fallback), fallback);

    EXPECT_EQ(defaults.readInt("Big", 9), 9);
    EXPECT_EQ(defaults.readInt("Letters", 9), 9);
    EXPECT_EQ(defaults.readInt("Empty", 9), 9);
    EXPECT_EQ(defaults.readString("BadEscape", "def"), "def");
    EXPECT_EQ(defaults.readString("Unknown", "def"), "def");

    // Writing keeps every line it does not own, even those it cannot understand.
    defaults.writeInt("SelectedLevel", 2);
    const std::string text = readSettings();
    EXPECT_EQ(text.find("SelectedLevel=string"), std::string::npos);
    EXPECT_NE(text.find("# kept by hand\n"), std::string::npos);
    EXPECT_NE(text.find("no equals sign here\n"), std::string::npos);
    EXPECT_NE(text.find("Unknown=float:1.0\n"), std::string::npos);
    EXPECT_EQ(defaults.readInt("SelectedLevel", 0), 2);
}

TEST_F(OrbDefaultsTest, ConfigFolderFallsBackToHome) {
    unsetenv("XDG_CONFIG_HOME");
    OrbDefaults defaults("Vendor", "Gravik");
    EXPECT_EQ(defaults.filePath(), root_ + "/home/.config/Vendor/Gravik/settings");
    defaults.writeInt("SelectedLevel", 4);
    EXPECT_TRUE(std::filesystem::is_regular_file(root_ + "/home/.config/Vendor/Gravik/settings"));

    // A relative folder is not a valid XDG folder.
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(defaults.readInt("SelectedLevel", 0), 4);

    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(defaults.filePath(), "");
    EXPECT_EQ(defaults.readInt("SelectedLevel", 1), 1);
    defaults.writeInt("SelectedLevel", 5);
}

TEST_F(OrbDefaultsTest, UnusableStorageIsSilent) {
    // The configuration folder is a plain file: nothing can be created below it.
    std::ofstream(root_ + "/config") << "not a folder";
    OrbDefaults blocked("Vendor", "Gravik");
    blocked.writeInt("SelectedLevel", 3);
    EXPECT_EQ(blocked.readInt("SelectedLevel", 0), 0);

    // The settings path is a folder: reads give defaults, writes leave it alone.
    std::filesystem::remove(root_ + "/config");
    std::filesystem::create_directories(settingsPath());
    OrbDefaults odd("Vendor", "Gravik");
    odd.writeString("LevelPackFileName", "x.grv");
    EXPECT_EQ(odd.readString("LevelPackFileName", "none"), "none");
    EXPECT_TRUE(std::filesystem::is_directory(settingsPath()));

    // Values are written whole: no temporary files are left beside the settings.
    std::filesystem::remove_all(root_ + "/config");
    OrbDefaults normal("Vendor", "Gravik");
    for (int i = 0; i < 5; ++i) {
        normal.writeInt("SelectedLevel", i);
    }
    int files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(root_ + "/config/Vendor/Gravik")) {
        ++files;
    }
    EXPECT_EQ(files, 1);
    EXPECT_EQ(normal.readInt("SelectedLevel", 0), 4);
}

TEST_F(OrbDefaultsTest, ABatchReplacesTheFileOnceWithEveryValue) {
    writeSettings("Volume=string:0.500000\nOther=dword:7\nSelectedLevel=dword:1\n");
    OrbDefaults defaults("Vendor", "Gravik");
    defaults.beginBatch();
    defaults.writeInt("SelectedLevel", 4);
    defaults.writeFloat("Volume", 0.25f);
    defaults.writeBool("WindowMaximized", false);
    defaults.writeInt("selectedlevel", 5); // the last write of a name wins
    // Nothing reaches the file before the commit, so a crash here loses only the
    // new values, never half of them.
    EXPECT_EQ(readSettings(), "Volume=string:0.500000\nOther=dword:7\nSelectedLevel=dword:1\n");
    EXPECT_EQ(defaults.readInt("SelectedLevel", 0), 1);
    defaults.commitBatch();
    EXPECT_EQ(readSettings(), "Volume=string:0.250000\nOther=dword:7\nselectedlevel=dword:5\n"
                              "WindowMaximized=dword:0\n");

    // After the commit, writes go straight to the file again.
    defaults.writeInt("Other", 8);
    EXPECT_EQ(defaults.readInt("Other", 0), 8);

    // A batch into a file that cannot be read leaves it alone.
    std::filesystem::remove(settingsPath());
    std::filesystem::create_directories(settingsPath());
    defaults.beginBatch();
    defaults.writeInt("SelectedLevel", 2);
    defaults.commitBatch();
    EXPECT_TRUE(std::filesystem::is_directory(settingsPath()));
}
