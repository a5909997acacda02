#include "formats/GvLevelPackScanner.h"
#include "levelpack/GvLevelPack.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

static int sign(int value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

TEST(GvLevelPackScanner, NaturalOrder) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"Pack 9", "Pack 10", -1},
        {"pack 2", "Pack 3", -1},
        {"PACK 3", "pack 3", 0},
        {"Pack 10", "pack 9", 1},
        // Equal numbers written differently: the whole texts decide.
        {"Pack 07", "Pack 7", -1},
        // Texts before the numbers of different length: the whole texts decide.
        {"ab10", "b9", -1},
        {"Pack 10", "Pac 9", 1},
        // Only one ends in digits.
        {"Pack", "Pack 1", -1},
        {"Pack 1", "Pack A", -1},
        // Same length, different texts before the numbers: those texts decide.
        {"Apple 20", "Berry 3", -1},
        // Numbers longer than any integer type still compare by value.
        {"x99999999999999999999999", "x100000000000000000000000", -1},
        {"x100000000000000000000000", "x99999999999999999999999", 1},
        {"", "", 0},
        {"", "a", -1},
        {"5", "10", -1},
        // Letters compare as lower case, so '_' (between the cases) sorts before them.
        {"a_", "AB", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(compareNaturally(c.a, c.b)), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(sign(compareNaturally(c.b, c.a)), -c.expected) << c.b << " vs " << c.a;
    }
}

// A temporary folder of pack files and a built-in pack with its own header.
class GvLevelPackScannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        char templ[] = "/tmp/gravik-packs-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        folder_ = std::string(templ) + "/";
        builtIn_.name = "Standard";
        builtIn_.author = "Gravik team";
        builtIn_.description = "The caves that come with the game";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void writeFile(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ + name, std::ios::binary) << text;
    }
    static std::string packText(const std::string& header) {
        return "gravik 3\n" + header + "cave 4, 4\n{\n}\n";
    }
    // Gives a file a fixed modification time.
    void setTime(const std::string& name, long seconds) const {
        struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, (folder_ + name).c_str(), times, 0), 0);
    }
    static std::vector<std::string> names(const GvLevelPackList& list) {
        std::vector<std::string> result;
        for (const auto& entry : list) {
            result.push_back(entry->name);
        }
        return result;
    }

    std::string folder_;
    GvLevelPack builtIn_;
};

TEST_F(GvLevelPackScannerTest, ListsPackFilesWithTheirHeaders) {
    writeFile("named.grv",
              packText("name \"Zeta Caves\"\nauthor \"Ann\"\ndescription \"Deep\"\n"
                       "date \"2024\"\nweb \"example.org\"\nemail \"a@example.org\"\n"));
    writeFile("mine.grv", packText("author \"Bob\"\n"));
    writeFile("Cave.BD", "this is not a level pack\n");
    writeFile("notes.txt", packText("name \"Notes\"\n"));
    writeFile("pack.grv.bak", packText("name \"Backup\"\n"));
    writeFile("grv", packText("name \"No extension\"\n"));
    std::filesystem::create_directory(folder_ + "folder.grv");
    // A pipe would block a reader for ever; it is not listed.
    ASSERT_EQ(mkfifo((folder_ + "pipe.grv").c_str(), 0600), 0);

    GvLevelPackList list;
    scanLevelPacks(list, builtIn_, folder_);
    ASSERT_EQ(names(list),
              (std::vector<std::string>{"Cave.BD", "mine.grv", "Standard", "Zeta Caves"}));

    const GvLevelPackEntry& standard = *list[2];
    EXPECT_EQ(standard.kind, GvLevelPackEntry::kBuiltIn);
    EXPECT_EQ(standard.path, "");
    EXPECT_EQ(standard.size, -1);
    EXPECT_EQ(standard.modified, -1);
    EXPECT_EQ(standard.author, "Gravik team");
    EXPECT_EQ(standard.description, "The caves that come with the game");

    const GvLevelPackEntry& zeta = *list[3];
    EXPECT_EQ(zeta.kind, GvLevelPackEntry::kFile);
    EXPECT_EQ(zeta.path, folder_ + "named.grv");
    EXPECT_EQ(zeta.size, static_cast<std::int64_t>(std::filesystem::file_size(zeta.path)));
    EXPECT_EQ(zeta.author, "Ann");
    EXPECT_EQ(zeta.description, "Deep");
    EXPECT_EQ(zeta.date, "2024");
    EXPECT_EQ(zeta.web, "example.org");
    EXPECT_EQ(zeta.email, "a@example.org");

    // A pack without a name line keeps the header it has, under its file name.
    EXPECT_EQ(list[1]->author, "Bob");
    // A file that is not a pack is still listed, with empty texts.
    EXPECT_EQ(list[0]->path, folder_ + "Cave.BD");
    EXPECT_EQ(list[0]->author, "");

    // A missing folder lists only the built-in pack.
    scanLevelPacks(list, builtIn_, folder_ + "missing/");
    EXPECT_EQ(names(list), std::vector<std::string>{"Standard"});
}

TEST_F(GvLevelPackScannerTest, RescanReadsOnlyChangedFiles) {
    writeFile("a.grv", packText("name \"Alpha\"\n"));
    writeFile("b.grv", packText("name \"Beta\"\n"));
    writeFile("c.grv", packText("name \"Gamma\"\n"));
    setTime("a.grv", 1000);
    setTime("b.grv", 1000);
    setTime("c.grv", 1000);

    GvLevelPackList list;
    scanLevelPacks(list, builtIn_, folder_);
    ASSERT_EQ(names(list), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Standard"}));
    const GvLevelPackEntry* alpha = list[0].get();
    const GvLevelPackEntry* beta = list[1].get();

    // Same size and time: the entry is reused and the new content is not even read.
    writeFile("a.grv", packText("name \"Alpho\"\n"));
    setTime("a.grv", 1000);
    // A new time: read again.
    writeFile("b.grv", packText("name \"Bata\"\n"));
    setTime("b.grv", 2000);
    // A new size: read again.
    writeFile("c.grv", packText("name \"Gamma Two\"\n"));
    setTime("c.grv", 1000);
    writeFile("d.grv", packText("name \"Delta\"\n"));

    scanLevelPacks(list, builtIn_, folder_);
    ASSERT_EQ(names(list),
              (std::vector<std::string>{"Alpha", "Bata", "Delta", "Gamma Two", "Standard"}));
    EXPECT_EQ(list[0].get(), alpha);
    EXPECT_NE(list[1].get(), beta);

    // A removed file disappears; a renamed one is a new path and is read again.
    std::filesystem::remove(folder_ + "d.grv");
    std::filesystem::rename(folder_ + "a.grv", folder_ + "A.grv");
    scanLevelPacks(list, builtIn_, folder_);
    EXPECT_EQ(names(list), (std::vector<std::string>{"Alpho", "Bata", "Gamma Two", "Standard"}));
}

TEST_F(GvLevelPackScannerTest, EqualNamesAreOrderedBuiltInFirstThenByPath) {
    for (const char* file : {"b10.grv", "b9.grv", "B2.bd"}) {
        writeFile(file, packText("name \"Standard\"\n"));
    }
    writeFile("x.grv", packText("name \"Pack 10\"\n"));
    writeFile("y.grv", packText("name \"Pack 9\"\n"));
    writeFile("z.grv", packText("name \"pack 2\"\n"));

    GvLevelPackList list;
    scanLevelPacks(list, builtIn_, folder_);
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(names(list), (std::vector<std::string>{"pack 2", "Pack 9", "Pack 10", "Standard",
                                                     "Standard", "Standard", "Standard"}));
    EXPECT_EQ(list[3]->kind, GvLevelPackEntry::kBuiltIn);
    // The three files named "Standard" follow the built-in pack by path (the format is
    // told by the content, so B2.bd reads as a pack too). The paths end in their
    // extensions, not in digits, so they compare as whole texts ignoring case.
    EXPECT_EQ(list[4]->path, folder_ + "b10.grv");
    EXPECT_EQ(list[5]->path, folder_ + "B2.bd");
    EXPECT_EQ(list[6]->path, folder_ + "b9.grv");
}

TEST_F(GvLevelPackScannerTest, NamesWithoutAConsistentOrderAreAllListed) {
    // x9 < x10 by number, x10 < x1a and x1a < x9 as whole texts: no order satisfies all
    // three, yet every entry must come out once.
    writeFile("1.grv", packText("name \"x10\"\n"));
    writeFile("2.grv", packText("name \"x1a\"\n"));
    writeFile("3.grv", packText("name \"x9\"\n"));
    writeFile("4.grv", packText("name \"x10\"\n"));
    GvLevelPackList list;
    scanLevelPacks(list, builtIn_, folder_);
    std::vector<std::string> sorted = names(list);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"Standard", "x10", "x10", "x1a", "x9"}));
}

TEST_F(GvLevelPackScannerTest, SeveralFoldersMakeOneListWithEachFileOnce) {
    const std::string second = folder_ + "second/";
    const std::string third = folder_ + "third/";
    std::filesystem::create_directory(second);
    std::filesystem::create_directory(third);
    writeFile("b.grv", packText("name \"Pack 10\"\n"));
    writeFile("second/a.grv", packText("name \"Pack 9\"\n"));
    writeFile("third/z.grv", packText("name \"Pack 2\"\n"));
    // The same file again through a link, and the first folder again under another name.
    std::filesystem::create_symlink(folder_ + "b.grv", third + "link.grv");
    std::filesystem::create_directory_symlink(folder_, folder_ + "again");

    GvLevelPackList list;
    scanLevelPacks(list, builtIn_, {folder_, second, folder_ + "again/", third});
    EXPECT_EQ(names(list), (std::vector<std::string>{"Pack 2", "Pack 9", "Pack 10", "Standard"}));
    EXPECT_EQ(list[0]->path, third + "z.grv");
    EXPECT_EQ(list[2]->path, folder_ + "b.grv");
}
