#include "formats/GvGrv1Parser.h"

#include "formats/ParserTestSupport.h"

#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvCmdLine.h"
#include "levelpack/GvCmdParasite.h"
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectDot.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdRectLine.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbFileStream.h"
#include "platform/OrbMemoryStream.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr ParseText<GvGrv1Parser> parse{};
constexpr ParseTextOk<GvGrv1Parser> parseOk{};
constexpr ParseTextErrors<GvGrv1Parser> errors{};

// A pack with one 10×8 cave holding the given lines; the cave line is line 2.
std::string cave(const std::string& body) {
    return "gravik 1\nCave 10, 8\n{\n" + body + "}\n";
}

template <typename T> const T* variantCommand(const GvCaveDef& def, std::size_t index) {
    const auto& list = def.variant(0)->commands;
    return index < list.size() ? dynamic_cast<const T*>(list[index].get()) : nullptr;
}

// `count` caves named with the prefixes A-1: .. T-1:, then A-2: .. T-2: and so on.
std::string flatPack(int count) {
    std::string text = "gravik 1\nName \"Flat\"\n";
    for (int i = 0; i < count; ++i) {
        const char letter = static_cast<char>('A' + i % 20);
        const int level = i / 20 + 1;
        text += "Cave 12, 9\n{\nName \"" + std::string(1, letter) + "-" + std::to_string(level) +
                ": Title " + letter + "\"\nDiamondQuota " + std::to_string(i) + "\nSet 2, 2, " +
                (level == 1 ? "Boulder" : "Diamond") + "\n}\n";
    }
    return text;
}

} // namespace

TEST(GvGrv1Parser, VersionLine) {
    EXPECT_EQ(Messages{"Unsupported GRV file version."}, errors("gravik 2\nCave 10, 8\n{\n}\n"));
    EXPECT_EQ(Messages{"Unsupported GRV file version."}, errors("gravik -1\nCave 10, 8\n{\n}\n"));
    // The reader itself ignores case; only the detection in front of it does not.
    for (const char* version : {"gravik 0", "gravik 1", "GRAVIK 1"}) {
        auto pack = parseOk(std::string(version) + "\nCave 10, 8\n{\n}\n");
        ASSERT_NE(nullptr, pack) << version;
        EXPECT_EQ(1, pack->caveCount());
    }
    EXPECT_EQ((Messages{"Syntax error on line 2.", "Expected gravik command."}),
              errors("; old pack\nName \"x\"\n"));
    EXPECT_EQ((Messages{"Syntax error on line 0.", "Expected gravik command."}), errors(""));
    EXPECT_EQ(Messages{"Syntax error on line 1."}, errors("gravik 1.0\n"));
}

TEST(GvGrv1Parser, HeaderTextsAndHeaderOnlyReading) {
    const std::string text = "gravik 1\nName \"Old\"\nDescription \"d\"\nAuthor \"a\"\n"
                             "Date \"1999\"\nWeb \"w\"\nEmail \"e\"\nCave 10, 8\n{\nbroken\n";
    Messages messages;
    auto pack = parse(text, messages, true);
    ASSERT_NE(nullptr, pack);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ("Old", pack->name);
    EXPECT_EQ("d", pack->description);
    EXPECT_EQ("a", pack->author);
    EXPECT_EQ("1999", pack->date);
    EXPECT_EQ("w", pack->web);
    EXPECT_EQ("e", pack->email);
    EXPECT_EQ(0, pack->caveCount());
    EXPECT_EQ(1, pack->variant_count);

    // Keywords of the current format are not part of the old one.
    EXPECT_EQ(Messages{"Syntax error on line 2."}, errors("gravik 1\nvariants 2\n"));
    EXPECT_EQ(Messages{"The level pack contains no levels."}, errors("gravik 1\nName \"x\"\n"));
}

TEST(GvGrv1Parser, CaveKeywordsFillTheSingleVariant) {
    auto pack = parseOk(cave("Name \"First\"\nDescription \"d\"\nAuthor \"a\"\nDate \"y\"\n"
                             "Web \"w\"\nEmail \"e\"\nPhysics Retro\nWrap stepped\nTickRate 8\n"
                             "GameTicks 900\nPreGameTicks 30\nDiamondQuota 999\nBombTicks 9999\n"
                             "Amoeba 150, 10, 90, 360\nMagicWallTicks 77\n"
                             "SlimePermeability 0.5\nUnpackSeed 300\nWorldSeed 2147483647\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    EXPECT_EQ("First", def.name);
    EXPECT_EQ("e", def.email);
    EXPECT_EQ(GvPhysics::retro, def.physics);
    EXPECT_EQ(GvWrapMode::stepped, def.wrap);
    ASSERT_EQ(1, def.variantCount());
    EXPECT_TRUE(def.commands.empty());
    const GvCaveVariant& v = *def.variant(0);
    EXPECT_FLOAT_EQ(8.0f, v.tick_rate);
    EXPECT_EQ(900, v.game_ticks);
    EXPECT_EQ(30, v.pre_game_ticks);
    EXPECT_EQ(999, v.diamond_quota);
    EXPECT_EQ(9999, v.bomb_ticks);
    EXPECT_EQ(150, v.amoeba_size_limit);
    EXPECT_EQ(10, v.amoeba_slow_chance);
    EXPECT_EQ(90, v.amoeba_fast_chance);
    // The slow period is in ticks already, whatever the tick rate.
    EXPECT_EQ(360, v.amoeba_slow_ticks);
    EXPECT_EQ(77, v.magic_wall_ticks);
    EXPECT_EQ(32768, v.slime_permeability);
    EXPECT_EQ(300, v.unpack_seed);
    EXPECT_EQ(2147483647, v.world_seed);

    auto standard = parseOk(cave("Physics standard\nWrap None\n"));
    ASSERT_NE(nullptr, standard);
    EXPECT_EQ(GvPhysics::gravik_1, standard->cave(0)->physics);
    EXPECT_EQ(GvWrapMode::none, standard->cave(0)->wrap);
}

TEST(GvGrv1Parser, NarrowerRangesAndValueErrors) {
    EXPECT_EQ(Messages{"Parameter 1 on line 4 is invalid."}, errors(cave("DiamondQuota 1000\n")));
    EXPECT_EQ(Messages{"Parameter 1 on line 4 is invalid."}, errors(cave("BombTicks 0\n")));
    EXPECT_EQ(Messages{"Parameter 4 on line 4 is invalid."},
              errors(cave("Amoeba 1, 2, 3, 10000\n")));
    // The old slow period is an integer count of ticks, not seconds.
    EXPECT_EQ(Messages{"Syntax error on line 4."}, errors(cave("Amoeba 1, 2, 3, 1.5\n")));
    EXPECT_EQ(Messages{"Parameter 1 on line 4 is invalid."}, errors(cave("TickRate 0.5\n")));
    EXPECT_EQ(Messages{"Wrong number of values on line 4."}, errors(cave("GameTicks 1, 2\n")));
    EXPECT_EQ(Messages{"Parameter 1 on line 4 is invalid."}, errors(cave("Physics gravik_1\n")));
    EXPECT_EQ(Messages{"Syntax error on line 4."}, errors(cave("Intermission 1\n")));
    EXPECT_EQ(Messages{"Parameter 1 on line 2 is invalid."}, errors("gravik 1\nCave 3, 8\n{\n}\n"));
}

TEST(GvGrv1Parser, WholeNumberParametersAtTheEndsOfTheirRanges) {
    for (const char* line : {"GameTicks 10000", "PreGameTicks -1", "MagicWallTicks 10000",
                             "UnpackSeed -1", "WorldSeed -1", "DiamondQuota -1"}) {
        EXPECT_EQ(Messages{"Parameter 1 on line 4 is invalid."},
                  errors(cave(std::string(line) + "\n")));
    }
    auto pack = parseOk(cave("GameTicks 0\nPreGameTicks 9999\nMagicWallTicks 0\n"
                             "DiamondQuota 0\nBombTicks 1\nUnpackSeed 0\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveVariant& v = *pack->cave(0)->variant(0);
    EXPECT_EQ(0, v.game_ticks);
    EXPECT_EQ(9999, v.pre_game_ticks);
    EXPECT_EQ(0, v.magic_wall_ticks);
    EXPECT_EQ(0, v.diamond_quota);
    EXPECT_EQ(1, v.bomb_ticks);
    EXPECT_EQ(0, v.unpack_seed);
}

TEST(GvGrv1Parser, ImplicitFillComesFirstAndTintChangesNothing) {
    auto plain = parseOk(cave("Set 1, 1, Diamond\n"));
    auto tinted = parseOk(cave("Tint 255, 0, 12, anything at all\nSet 1, 1, Diamond\nTint\n"));
    ASSERT_NE(nullptr, plain);
    ASSERT_NE(nullptr, tinted);
    const GvCaveDef& def = *plain->cave(0);
    ASSERT_EQ(2u, def.variant(0)->commands.size());
    const auto* fill = variantCommand<GvCmdRectFill>(def, 0);
    ASSERT_NE(nullptr, fill);
    EXPECT_EQ(9, fill->x2());
    EXPECT_EQ(7, fill->y2());
    EXPECT_EQ(GvPackedObjectType::steel_wall, fill->border());
    EXPECT_EQ(GvPackedObjectType::dirt, fill->fill());
    EXPECT_EQ(plain->levelDigest(0), tinted->levelDigest(0));
}

TEST(GvGrv1Parser, DrawingCommandsWithOldObjectNames) {
    auto pack = parseOk(cave("Set 1, 2, Dummy\nLine 0, 0, 3, 3, GrowingWallH\n"
                             "RectLine 1, 1, 4, 4, FireflyD\nRectFill 1, 1, 4, 4, BrickWall\n"
                             "RectDot 1, 1, 2, 3, 2, 2, BombF\n"
                             "RandomFill 0, 0, 9, 7, Space, Boulder, 50, Diamond, 10\n"
                             "Parasite 0, 0, 9, 7, Boulder, 0, 1, ButterflyU\n"
                             "Raw 1, 6, \" .PXrRdDbBWwMGHV12345678asF\"\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    ASSERT_EQ(9u, def.variant(0)->commands.size());
    const auto* set = variantCommand<GvCmdSet>(def, 1);
    ASSERT_NE(nullptr, set);
    EXPECT_EQ(GvPackedObjectType::voodoo_doll, set->object());
    const auto* line = variantCommand<GvCmdLine>(def, 2);
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(GvPackedObjectType::growing_wall_h, line->object());
    const auto* rectFill = variantCommand<GvCmdRectFill>(def, 4);
    ASSERT_NE(nullptr, rectFill);
    EXPECT_EQ(GvPackedObjectType::brick_wall, rectFill->fill());
    const auto* dot = variantCommand<GvCmdRectDot>(def, 5);
    ASSERT_NE(nullptr, dot);
    EXPECT_EQ(GvPackedObjectType::bomb_f, dot->object());
    const auto* random = variantCommand<GvCmdRandomFill>(def, 6);
    ASSERT_NE(nullptr, random);
    EXPECT_EQ((std::vector<GvCmdRandomFill::Entry>{{GvPackedObjectType::boulder, 50},
                                                   {GvPackedObjectType::diamond, 10}}),
              random->entries());
    const auto* parasite = variantCommand<GvCmdParasite>(def, 7);
    ASSERT_NE(nullptr, parasite);
    EXPECT_EQ(GvPackedObjectType::butterfly_u, parasite->parasite());
    const auto* raw = variantCommand<GvCmdRaw>(def, 8);
    ASSERT_NE(nullptr, raw);
    ASSERT_EQ(27u, raw->objects().size());
    for (int code = 0; code < 27; ++code) {
        EXPECT_EQ(static_cast<GvPackedObjectType>(code), raw->objects()[code]) << code;
    }

    // There is no name and no raw character for "leave unchanged".
    EXPECT_EQ(Messages{"Parameter 3 on line 4 is invalid."}, errors(cave("Set 1, 1, none\n")));
    EXPECT_EQ(Messages{"Parameter 3 on line 4 is invalid."},
              errors(cave("Set 1, 1, steel_wall\n")));
    EXPECT_EQ(Messages{"Invalid object character '-' on line 4."},
              errors(cave("Raw 0, 0, \"W-W\"\n")));
    EXPECT_EQ(Messages{"Parameter 3 on line 4 is invalid."},
              errors(cave("RectFill 5, 0, 3, 3, Dirt\n")));
    // Words of the current format's drawing are unknown here.
    EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected close brace."}),
              errors(cave("rect_fill 0, 0, 3, 3, Dirt\n")));
    EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected close brace."}),
              errors(cave("Filler Dirt\n")));
}

TEST(GvGrv1Parser, BlocksAndTheirEnds) {
    EXPECT_EQ((Messages{"Syntax error on line 3.", "Expected open brace."}),
              errors("gravik 1\nCave 10, 8\nName \"x\"\n}\n"));
    EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected close brace."}),
              errors("gravik 1\nCave 10, 8\n{\nName \"x\"\n"));
    EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected close brace."}),
              errors(cave("Cave 10, 8\n")));
    EXPECT_EQ(Messages{"Syntax error on line 4."}, errors(cave("} extra\n")));
    EXPECT_EQ(Messages{"Syntax error on line 5."}, errors(cave("") + "Tint 1\n"));
}

TEST(GvGrv1Parser, DemoBlock) {
    const std::string body = "Demo\n{\nWait 3\nRight 2\nRight 4\nSnapUp 1\nUp 0\nSnapDown 2\n"
                             "Raw \"D1l2l3\"\nSnapLeft 1\nSnapRight 1\nDown 1\nLeft 5\n}\n";
    auto pack = parseOk(cave(body));
    ASSERT_NE(nullptr, pack);
    const std::vector<GvDemoStep> expected = {{0, 3},  {8, 6},  {17, 1}, {18, 3}, {4, 5},
                                              {20, 1}, {24, 1}, {2, 1},  {4, 5}};
    EXPECT_EQ(expected, pack->cave(0)->variant(0)->demo);
    EXPECT_EQ(std::vector<int>{0}, pack->demoLevels());

    EXPECT_EQ(Messages{"Syntax error on line 6."}, errors(cave("Demo\n{\nJump 2\n}\n")));
    EXPECT_EQ(Messages{"Syntax error on line 6."}, errors(cave("Demo\n{\nRaw \"x1\"\n}\n")));
    EXPECT_EQ(Messages{"Syntax error on line 6."}, errors(cave("Demo\n{\nRaw \"u0\"\n}\n")));
    EXPECT_EQ(Messages{"Parameter 1 on line 6 is invalid."}, errors(cave("Demo\n{\nUp -1\n}\n")));
    EXPECT_EQ(Messages{"Wrong number of values on line 6."}, errors(cave("Demo\n{\nUp\n}\n")));
    EXPECT_EQ(Messages{"Syntax error on line 4."}, errors(cave("Demo 1\n{\n}\n")));
    EXPECT_EQ((Messages{"Syntax error on line 6.", "Expected close brace."}),
              errors("gravik 1\nCave 10, 8\n{\nDemo\n{\nUp 1\n"));
}

// Unlike the current format, which refuses such a demo, the old one keeps merged
// counts at the int range's end, whether the steps come as keywords or letters.
TEST(GvGrv1Parser, DemoCountsMergedPastTheIntRangeStopAtItsEnd) {
    auto pack = parseOk(cave("Demo\n{\nRight 2147483647\nRaw \"r5\"\nRight 9\nUp 1\n"
                             "Raw \"u2147483647u2147483647\"\n}\n"));
    ASSERT_NE(nullptr, pack);
    const std::vector<GvDemoStep> expected = {{8, INT_MAX}, {1, INT_MAX}};
    EXPECT_EQ(expected, pack->cave(0)->variant(0)->demo);
    EXPECT_EQ(Messages{"Syntax error on line 6."},
              errors(cave("Demo\n{\nRaw \"r2147483648\"\n}\n")));
}

TEST(GvGrv1Parser, Macros) {
    auto pack = parseOk("gravik 1\nMacro \"Pair\"\n{\nSet 1, 1, Diamond\nSet 2, 1, Boulder\n}\n"
                        "Cave 10, 8\n{\nCall \"pair\", 3, 4\nCall \"PAIR\"\n}\n");
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    ASSERT_EQ(5u, def.variant(0)->commands.size());
    const auto* moved = variantCommand<GvCmdSet>(def, 1);
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(4, moved->x());
    EXPECT_EQ(5, moved->y());
    const auto* still = variantCommand<GvCmdSet>(def, 4);
    ASSERT_NE(nullptr, still);
    EXPECT_EQ(2, still->x());
    EXPECT_EQ(1, still->y());

    const std::string duplicate = "gravik 1\nMacro \"A\"\n{\n}\nMacro \"a\"\n{\n}\n";
    EXPECT_EQ(Messages{"Duplicate macro definition on line 5."}, errors(duplicate));
    EXPECT_EQ(Messages{"Call to an unknown macro on line 4."}, errors(cave("Call \"Nope\"\n")));
    EXPECT_EQ(Messages{"Wrong number of values on line 4."}, errors(cave("Call \"A\", 1\n")));
    // A macro cannot call itself: it is known only after its block.
    EXPECT_EQ(Messages{"Call to an unknown macro on line 4."},
              errors("gravik 1\nMacro \"Self\"\n{\nCall \"Self\"\n}\n"));
    EXPECT_EQ(Messages{"Syntax error on line 4."},
              errors("gravik 1\nMacro \"M\"\n{\nTickRate 5\n}\n"));
}

TEST(GvGrv1Parser, IntermissionsAndTheFirstCave) {
    EXPECT_EQ(Messages{"The first level in the level pack must be selectable (unlocked and not a "
                       "bonus)."},
              errors(cave("Intermission\n")));
    auto pack = parseOk(cave("") + "Cave 20, 12\n{\nIntermission\n}\n");
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& bonus = *pack->cave(1);
    EXPECT_TRUE(bonus.bonus);
    EXPECT_EQ(GvPresentation::full, bonus.view);
}

TEST(GvGrv1Parser, FortyCavesRegroupIntoTwentyWithTwoVariants) {
    auto pack = parseOk(flatPack(40));
    ASSERT_NE(nullptr, pack);
    ASSERT_EQ(20, pack->caveCount());
    EXPECT_EQ(2, pack->variant_count);
    EXPECT_EQ("Flat", pack->name);
    const GvCaveDef& c = *pack->cave(2);
    EXPECT_EQ("Title C", c.name);
    EXPECT_EQ(12, c.width);
    EXPECT_TRUE(c.commands.empty());
    ASSERT_EQ(2, c.variantCount());
    // Each variant keeps the parameters and drawing of the cave it came from.
    EXPECT_EQ(2, c.variant(0)->diamond_quota);
    EXPECT_EQ(22, c.variant(1)->diamond_quota);
    const auto& second = c.variant(1)->commands;
    ASSERT_EQ(2u, second.size());
    const auto* set = dynamic_cast<const GvCmdSet*>(second[1].get());
    ASSERT_NE(nullptr, set);
    EXPECT_EQ(GvPackedObjectType::diamond, set->object());
    // Level 22 is the third cave in its second variant.
    pack->assignCaveCodes();
    EXPECT_EQ("C-2", pack->levelCode(22));
}

TEST(GvGrv1Parser, PacksThatDoNotFitTheGroupsStayFlat) {
    auto odd = parseOk(flatPack(38));
    ASSERT_NE(nullptr, odd);
    EXPECT_EQ(38, odd->caveCount());
    EXPECT_EQ(1, odd->variant_count);
    EXPECT_EQ("A-1: Title A", odd->cave(0)->name);

    // Forty caves whose second half changes a title stay forty caves.
    std::string text = flatPack(40);
    text.replace(text.find("B-2: Title B"), 12, "B-2: Title X");
    auto mismatched = parseOk(text);
    ASSERT_NE(nullptr, mismatched);
    EXPECT_EQ(40, mismatched->caveCount());
}

TEST(GvGrv1Parser, LoadsThroughDetectionAndFromAFile) {
    // "gravik 1" reaches this reader: the current one would refuse the version.
    OrbMemoryStream stream(cave("DiamondQuota 7\n"));
    Messages messages;
    auto detected = loadLevelPack(stream, &messages, false);
    ASSERT_NE(nullptr, detected);
    EXPECT_EQ(7, detected->cave(0)->variant(0)->diamond_quota);
    EXPECT_EQ("A", detected->cave(0)->code);

    auto file = OrbFileStream::open(GRAVIK_TEST_DATA "/grv1/every_keyword.grv", false);
    ASSERT_NE(nullptr, file);
    auto pack = loadLevelPack(*file, &messages, false);
    ASSERT_NE(nullptr, pack) << (messages.empty() ? "" : messages.front());
    EXPECT_EQ("Every keyword", pack->name);
    ASSERT_EQ(2, pack->caveCount());
    EXPECT_EQ(GvWrapMode::horizontal, pack->cave(0)->wrap);
    EXPECT_FALSE(pack->cave(0)->variant(0)->demo.empty());
    EXPECT_TRUE(pack->cave(1)->bonus);
    // Drawn from its steel-bordered dirt start, the macro and the raw rows.
    EXPECT_GT(pack->cave(0)->variant(0)->commands.size(), 10u);
}
