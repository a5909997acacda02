#include "formats/GvLevelPackLoader.h"

#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <gtest/gtest.h>

namespace {

using Messages = std::vector<std::string>;

GvLevelPackFormat formatOf(const std::string& text) {
    OrbMemoryStream stream(text);
    stream.seek(0);
    const GvLevelPackFormat format = detectLevelPackFormat(stream);
    // Detection leaves the stream where it found it.
    EXPECT_EQ(0, stream.tell());
    return format;
}

std::unique_ptr<GvLevelPack> load(const std::string& text, Messages& messages,
                                  bool headerOnly = false) {
    OrbMemoryStream stream(text);
    return loadLevelPack(stream, &messages, headerOnly);
}

} // namespace

TEST(GvLevelPackLoader, DetectionComparesTheFirstSignificantLineExactly) {
    EXPECT_EQ(GvLevelPackFormat::grv, formatOf("gravik 3\n"));
    EXPECT_EQ(GvLevelPackFormat::grv, formatOf("gravik 3.0\n"));
    EXPECT_EQ(GvLevelPackFormat::grv, formatOf("gravik 2\n"));
    EXPECT_EQ(GvLevelPackFormat::grv, formatOf("gravik\n"));
    EXPECT_EQ(GvLevelPackFormat::grv1, formatOf("gravik 1\n"));
    EXPECT_EQ(GvLevelPackFormat::grv1, formatOf("; old\n\n  gravik 0 ; comment\n"));
    EXPECT_EQ(GvLevelPackFormat::bdcff, formatOf("; comment\n\n\t\n[BDCFF]\n"));
    // The readers ignore case; detection does not.
    EXPECT_EQ(GvLevelPackFormat::unknown, formatOf("Gravik 1\n"));
    EXPECT_EQ(GvLevelPackFormat::unknown, formatOf("[bdcff]\n"));
    EXPECT_EQ(GvLevelPackFormat::unknown, formatOf("; only a comment\n\n"));
    EXPECT_EQ(GvLevelPackFormat::unknown, formatOf(""));
    EXPECT_EQ(GvLevelPackFormat::unknown, formatOf("gravik\t3\n"));
}

TEST(GvLevelPackLoader, UnrecognisedFilesGiveOneMessage) {
    for (const char* text :
         {"; only a comment\n", "", "GRAVIK 3\ncave 4, 4\n{\n}\n", "\x89PNG\r\n\x1a\n"}) {
        Messages messages{"earlier"};
        EXPECT_EQ(nullptr, load(text, messages));
        EXPECT_EQ((Messages{"earlier", "This file is not in a recognized level pack format."}),
                  messages);
    }
    // Without a list the failure is still just null.
    OrbMemoryStream stream(std::string("nothing"));
    EXPECT_EQ(nullptr, loadLevelPack(stream, nullptr, false));
}

TEST(GvLevelPackLoader, LoadsFromTheCurrentPositionAndAssignsCodes) {
    const std::string prefix = "garbage before the pack\n";
    std::string text = prefix + "gravik 3\n";
    for (int i = 0; i < 27; ++i) {
        text += "cave 4, 4\n{\n" + std::string(i == 1 ? "bonus\n" : "") + "}\n";
    }
    OrbMemoryStream stream(text);
    stream.seek(static_cast<int>(prefix.size()));
    Messages messages;
    auto pack = loadLevelPack(stream, &messages, false);
    ASSERT_NE(nullptr, pack);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(27, pack->caveCount());
    EXPECT_EQ("AA", pack->cave(0)->code);
    EXPECT_EQ("AB", pack->cave(2)->code);
    // The bonus cave is lettered after all normal caves.
    EXPECT_EQ("BA", pack->cave(1)->code);
}

TEST(GvLevelPackLoader, HeaderOnlyAndFailuresThroughTheFrame) {
    Messages messages;
    auto header = load("gravik 3\nname \"Only a header\"\n", messages, true);
    ASSERT_NE(nullptr, header);
    EXPECT_EQ("Only a header", header->name);
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(nullptr, load("gravik 3\nname \"Only a header\"\n", messages));
    EXPECT_EQ((Messages{"The level pack contains no levels."}), messages);

    messages.clear();
    EXPECT_EQ(nullptr, load("gravik 3\ncave 4, 4\n{\nset 1, 1, gold\n}\n", messages));
    EXPECT_EQ((Messages{"Parameter 3 on line 4 is invalid."}), messages);
}

TEST(GvLevelPackLoader, BuiltLevelShowsTheDrawnPicture) {
    // The picture is drawn with raw lines over the implicit steel border and dirt.
    const char* rows[] = {
        "WWWWWWWWWW", //
        "WP  r d .W", //
        "W.wwwwww.W", //
        "W. rd M  W", //
        "W  bas F.W", //
        "WWWWWWWWXW",
    };
    std::string text = "gravik 3\nvariants 2\ncave 10, 6\n{\n  name \"  Picture \"\n";
    for (int y = 1; y < 5; ++y) {
        text += "  raw 1, " + std::to_string(y) + ", \"" + std::string(rows[y] + 1, 8) + "\"\n";
    }
    // Variant 2 adds the exit; "-" keeps the cell drawn before.
    text += "  variant 2\n  {\n    raw 6, 5, \"--X\"\n  }\n}\n";
    Messages messages;
    auto pack = load(text, messages);
    ASSERT_NE(nullptr, pack) << (messages.empty() ? "" : messages[0]);

    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(1, world));
    std::string expected;
    for (const char* row : rows) {
        expected += std::string(row) + "\n";
    }
    EXPECT_EQ(expected, GvWorldText::format(world));
    EXPECT_EQ("A-2", world.level_code);
    EXPECT_EQ("Picture", world.display_name);

    // Variant 1 lacks the exit: steel where variant 2 put it.
    ASSERT_TRUE(pack->buildLevel(0, world));
    expected[expected.size() - 3] = 'W';
    EXPECT_EQ(expected, GvWorldText::format(world));
}

TEST(GvLevelPackLoader, ArbitraryBytesNeverCrash) {
    // A deterministic scramble of a valid pack: every prefix and many mutations
    // must end in a pack or in messages.
    const std::string base =
        "gravik 3\nvariants 2\nmacro \"m\"\n{\nset 1,1,dirt\n}\ncave 8, 8\n"
        "{\ncall \"m\", 2, 2\ntick_rate 5, 7\nvariant 2\n{\ndemo\n{\n\"r5\"\n}\n"
        "}\n}\n";
    unsigned state = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string text = base;
        for (int k = 0; k < 1 + round % 4; ++k) {
            state = state * 1103515245u + 12345u;
            const std::size_t at = (state >> 8) % text.size();
            text[at] = static_cast<char>(state >> 24);
        }
        Messages messages;
        auto pack = load(text, messages);
        EXPECT_NE(pack == nullptr, messages.empty()) << text;
    }
}

TEST(GvLevelPackLoader, OtherFormatsGoToTheirReaders) {
    Messages messages;
    // The old format has capitalised keywords that the current reader does not know.
    auto old = load("; old\ngravik 1\nCave 10, 10\n{\nSet 1, 1, BoulderF\n}\n", messages);
    ASSERT_NE(nullptr, old) << (messages.empty() ? "" : messages[0]);
    ASSERT_EQ(1, old->caveCount());
    EXPECT_EQ("A", old->cave(0)->code);

    messages.clear();
    auto bdcff = load("; comment "
                      "first\n\n[BDCFF]\n[game]\nName=Seed\n[cave]\nName=One\nCaveTime="
                      "100\nDiamondsRequired=5\n[map]\n"
                      "WWWW\nWP.W\nWWWW\n[/map]\n[/cave]\n[/game]\n[/BDCFF]\n",
                      messages);
    ASSERT_NE(nullptr, bdcff) << (messages.empty() ? "" : messages[0]);
    EXPECT_EQ("Seed", bdcff->name);
    ASSERT_EQ(1, bdcff->caveCount());
    EXPECT_EQ("A", bdcff->cave(0)->code);
}
