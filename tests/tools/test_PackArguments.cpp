#include "PackLevel.h"
#include "PackMoves.h"

#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<GvLevelPack> packOf(int caves, int variants, int bonusCave = -1) {
    std::string text = "gravik 3\nvariants " + std::to_string(variants) + "\n";
    for (int i = 0; i < caves; ++i) {
        text += "cave 4, 4\n{\n" + std::string(i == bonusCave ? "bonus\n" : "") + "}\n";
    }
    OrbMemoryStream stream(text);
    auto pack = loadLevelPack(stream, nullptr, false);
    EXPECT_NE(nullptr, pack);
    return pack;
}

int levelOf(const GvLevelPack& pack, const std::string& argument) {
    std::string error;
    const int level = PackLevel::parse(pack, argument, error);
    EXPECT_EQ(level < 0, !error.empty()) << argument;
    return level;
}

GvInputRecording movesOf(const std::string& text) {
    GvInputRecording moves;
    std::string error;
    EXPECT_TRUE(PackMoves::parse(text, moves, error)) << text << ": " << error;
    return moves;
}

std::string movesError(const std::string& text) {
    GvInputRecording moves;
    std::string error;
    EXPECT_FALSE(PackMoves::parse(text, moves, error)) << text;
    return error;
}

} // namespace

TEST(PackLevel, NumbersAndSingleLetterCodes) {
    const auto pack = packOf(5, 3, 1);
    // Level 7 is the third cave in the second variant; the third cave is lettered B
    // because the bonus cave before it is lettered last.
    EXPECT_EQ(7, levelOf(*pack, "7"));
    EXPECT_EQ(0, levelOf(*pack, "0"));
    EXPECT_EQ(14, levelOf(*pack, "14"));
    EXPECT_EQ(7, levelOf(*pack, "B-2"));
    EXPECT_EQ(8, levelOf(*pack, "c-2"));
    EXPECT_EQ(0, levelOf(*pack, "A-1"));
    EXPECT_EQ(1, levelOf(*pack, "E-1"));
    EXPECT_EQ(2, levelOf(*pack, "B-1"));
    EXPECT_EQ(14, levelOf(*pack, "D-3"));
}

TEST(PackLevel, TwoLetterCodesOnceThePackHas27Caves) {
    const auto pack = packOf(27, 2);
    EXPECT_EQ(0, levelOf(*pack, "AA1"));
    EXPECT_EQ(1, levelOf(*pack, "AB1"));
    EXPECT_EQ(26, levelOf(*pack, "BA1"));
    EXPECT_EQ(27 + 1, levelOf(*pack, "ab2"));
    // The dash belongs to single-letter codes only.
    EXPECT_EQ(-1, levelOf(*pack, "AB-1"));
    EXPECT_EQ(-1, levelOf(*pack, "A-1"));
}

TEST(PackLevel, LevelsThePackDoesNotHave) {
    const auto pack = packOf(5, 3);
    std::string error;
    EXPECT_EQ(-1, PackLevel::parse(*pack, "15", error));
    EXPECT_EQ("The pack has no level 15 (levels 0 to 14, A-1 to E-3).", error);
    EXPECT_EQ(-1, PackLevel::parse(*pack, "99999999999999999999999", error));
    EXPECT_EQ(-1, PackLevel::parse(*pack, "F-1", error));
    EXPECT_EQ("The pack has no level 'F-1' (levels 0 to 14, A-1 to E-3).", error);
    for (const char* wrong : {"A-4", "A-0", "A", "", "-1", "1.5", "3x", " 3", "A-1 "}) {
        EXPECT_EQ(-1, levelOf(*pack, wrong)) << wrong;
    }
}

TEST(PackMoves, LettersCountsAndJoinedSteps) {
    EXPECT_EQ((GvInputRecording{{0, 25}, {8, 4}, {2, 2}, {24, 1}}), movesOf(".25r4d2R1"));
    EXPECT_EQ((GvInputRecording{{1, 1}, {2, 1}, {4, 1}, {8, 1}, {17, 1}, {18, 1}, {20, 1}}),
              movesOf("u1d1l1r1U1D1L1"));
    // Steps with the same input join, also across spaces; blank text is no input.
    EXPECT_EQ((GvInputRecording{{8, 8}}), movesOf("r5 r3"));
    EXPECT_EQ((GvInputRecording{{0, 3}, {4, 12}}), movesOf("  .3\tl10\nl2 "));
    EXPECT_EQ(GvInputRecording{}, movesOf(""));
    EXPECT_EQ(GvInputRecording{}, movesOf("   "));
    EXPECT_EQ(".25r4d2R1", PackMoves::format(movesOf(".25 r4 d2 R1")));
    EXPECT_EQ(32, PackMoves::tickCount(movesOf(".25r4d2R1")));
}

TEST(PackMoves, ErrorsNameThePosition) {
    EXPECT_EQ("Invalid move 'x' at position 4 (moves are . u d l r U D L R, each followed by "
              "a count).",
              movesError("r12x3"));
    EXPECT_EQ("The move 'r' at position 4 has no count.", movesError("d2 r"));
    EXPECT_EQ("The move 'l' at position 1 has no count.", movesError("l r2"));
    EXPECT_EQ("The move at position 3 has a count of 0.", movesError("r1d0"));
    EXPECT_EQ("The count of the move at position 1 is too large.", movesError("r2147483648"));
    EXPECT_NE("", movesError("5"));
    EXPECT_NE("", movesError("r-1"));
    // The largest count still fits, and joined steps saturate instead of overflowing.
    EXPECT_EQ((GvInputRecording{{8, 2147483647}}), movesOf("r2147483647 r5"));
}

TEST(PackMoves, DemosBecomeRecordings) {
    const std::vector<GvDemoStep> demo{{0, 24}, {8, 3}, {8, 2}, {2, 1}};
    EXPECT_EQ((GvInputRecording{{0, 24}, {8, 5}, {2, 1}}), PackMoves::fromDemo(demo));
    EXPECT_EQ(GvInputRecording{}, PackMoves::fromDemo({}));
}
