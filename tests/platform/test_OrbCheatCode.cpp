#include "platform/OrbCheatCode.h"
#include "platform/OrbToggleCheatCode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Feeds the characters of `keys` one by one and returns, for each, whether it completed.
static std::vector<bool> type(OrbCheatCode& code, const std::string& keys) {
    std::vector<bool> results;
    for (const char c : keys) {
        results.push_back(code.keyPressed(static_cast<unsigned char>(c)));
    }
    return results;
}

TEST(OrbCheatCode, OverlappingStartsCompleteEachOccurrence) {
    OrbCheatCode code("xyxy");
    EXPECT_EQ(type(code, "xyxyxy"), (std::vector<bool>{false, false, false, true, false, true}));

    OrbCheatCode repeatedFirst("abc");
    EXPECT_EQ(type(repeatedFirst, "aabc"), (std::vector<bool>{false, false, false, true}));

    OrbCheatCode doubled("aab");
    EXPECT_EQ(type(doubled, "aaab"), (std::vector<bool>{false, false, false, true}));
}

TEST(OrbCheatCode, ForeignKeysAndForgetBreakAnAttempt) {
    OrbCheatCode code("gold");
    EXPECT_EQ(type(code, "goxld"), (std::vector<bool>(5, false)));
    EXPECT_EQ(type(code, "gold"), (std::vector<bool>{false, false, false, true}));

    EXPECT_EQ(type(code, "go"), (std::vector<bool>{false, false}));
    code.forget();
    EXPECT_EQ(type(code, "ld"), (std::vector<bool>{false, false}));

    // Key codes above the character range never match a letter of the code.
    EXPECT_FALSE(code.keyPressed('g' + 256));
    EXPECT_EQ(type(code, "old"), (std::vector<bool>{false, false, false}));
}

TEST(OrbCheatCode, EmptyAndSingleKeyCodes) {
    OrbCheatCode empty("");
    EXPECT_EQ(type(empty, "abc"), (std::vector<bool>(3, false)));
    EXPECT_FALSE(empty.keyPressed(0));

    OrbCheatCode single("7");
    EXPECT_EQ(type(single, "77a7"), (std::vector<bool>{true, true, false, true}));
}

TEST(OrbToggleCheatCode, EachCompletionInvertsTheFlag) {
    OrbToggleCheatCode code("fly");
    EXPECT_FALSE(code.isOn());
    EXPECT_EQ(type(code, "fl"), (std::vector<bool>{false, false}));
    EXPECT_FALSE(code.isOn());
    EXPECT_TRUE(code.keyPressed('y'));
    EXPECT_TRUE(code.isOn());
    EXPECT_EQ(type(code, "fxy"), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(code.isOn());

    // Through the base class, as the controller holds its codes.
    OrbCheatCode& base = code;
    EXPECT_EQ(type(base, "fly"), (std::vector<bool>{false, false, true}));
    EXPECT_FALSE(code.isOn());
}
