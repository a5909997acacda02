#include "formats/GvGrvParser.h"

#include "formats/ParserTestSupport.h"

#include "levelpack/GvCmdFiller.h"
#include "levelpack/GvCmdLine.h"
#include "levelpack/GvCmdParasite.h"
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectDot.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdRectLine.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvCmdStyle.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace {

constexpr ParseText<GvGrvParser> parse{};
constexpr ParseTextOk<GvGrvParser> parseOk{};
constexpr ParseTextErrors<GvGrvParser> errors{};

// A pack with one 10×8 cave whose block holds the given lines; the cave line is
// line 2 + header lines, the brace the next.
std::string cave(const std::string& body, const std::string& header = "") {
    return "gravik 3\n" + header + "cave 10, 8\n{\n" + body + "}\n";
}

template <typename T> const T* command(const GvCaveDef& def, std::size_t index) {
    if (index >= def.commands.size()) {
        return nullptr;
    }
    return dynamic_cast<const T*>(def.commands[index].get());
}

template <typename T> const T* variantCommand(const GvCaveDef& def, int v, std::size_t index) {
    const auto& list = def.variant(v)->commands;
    return index < list.size() ? dynamic_cast<const T*>(list[index].get()) : nullptr;
}

} // namespace

TEST(GvGrvParser, HeaderTextsAndVariantCount) {
    auto pack = parseOk("; a comment first\n\ngravik 3\nname \"Deep; dark\" ; comment\n"
                        "description \"d\"\nauthor \"a\"\ndate \"2026\"\nweb \"w\"\n"
                        "email \"e\"\nVARIANTS 3\ncave 10, 8\n{\nname \"First\"\n}\n");
    ASSERT_NE(nullptr, pack);
    EXPECT_EQ("Deep; dark", pack->name);
    EXPECT_EQ("d", pack->description);
    EXPECT_EQ("a", pack->author);
    EXPECT_EQ("2026", pack->date);
    EXPECT_EQ("w", pack->web);
    EXPECT_EQ("e", pack->email);
    EXPECT_EQ(3, pack->variant_count);
    ASSERT_EQ(1, pack->caveCount());
    EXPECT_EQ("First", pack->cave(0)->name);
    EXPECT_EQ(3, pack->cave(0)->variantCount());
    EXPECT_EQ(10, pack->cave(0)->width);
    EXPECT_EQ(8, pack->cave(0)->height);
}

TEST(GvGrvParser, VersionLine) {
    EXPECT_EQ((Messages{"Syntax error on line 1.", "Expected gravik command."}),
              errors("name \"x\"\ngravik 3\n"));
    EXPECT_EQ((Messages{"Syntax error on line 2.", "Expected gravik command."}),
              errors("; nothing\n\n"));
    EXPECT_EQ((Messages{"Syntax error on line 0.", "Expected gravik command."}), errors(""));
    EXPECT_EQ((Messages{"Unsupported GRV file version."}), errors("gravik 2\n"));
    EXPECT_EQ((Messages{"Syntax error on line 1."}), errors("gravik three\n"));
    EXPECT_EQ((Messages{"Wrong number of values on line 1."}), errors("gravik 3, 3\n"));
    // The reader itself ignores case and takes 3.0 as 3.
    EXPECT_NE(nullptr, parseOk("Gravik 3.0\ncave 4, 4\n{\n}\n"));
}

TEST(GvGrvParser, TopLevelErrors) {
    // A tab after the keyword makes one unknown word of "name<tab>...".
    EXPECT_EQ((Messages{"Syntax error on line 2."}), errors("gravik 3\nname\t\"x\"\n"));
    EXPECT_EQ((Messages{"Syntax error on line 3."}), errors("gravik 3\n\nset 1, 1, dirt\n"));
    EXPECT_EQ((Messages{"Syntax error on line 2."}), errors("gravik 3\ngravik 3\n"));
    EXPECT_EQ((Messages{"Syntax error on line 2."}), errors("gravik 3\nname x\n"));
    EXPECT_EQ((Messages{"Parameter 1 on line 2 is invalid."}), errors("gravik 3\nvariants 10\n"));
    EXPECT_EQ((Messages{"Syntax error on line 5.",
                        "The variants command can't be used after a cave has been defined."}),
              errors(cave("") + "variants 2\n"));
    EXPECT_EQ((Messages{"Parameter 2 on line 2 is invalid."}), errors("gravik 3\ncave 10, 101\n"));
    EXPECT_EQ((Messages{"Parameter 1 on line 2 is invalid."}), errors("gravik 3\ncave 3, 10\n"));
    // The brace must stand on a line of its own.
    EXPECT_EQ((Messages{"Syntax error on line 2."}), errors("gravik 3\ncave 10, 8 {\n}\n"));
    EXPECT_EQ((Messages{"Syntax error on line 3.", "Expected open brace."}),
              errors("gravik 3\ncave 10, 8\nname \"x\"\n"));
    EXPECT_EQ((Messages{"Syntax error on line 2.", "Expected open brace."}),
              errors("gravik 3\ncave 10, 8\n"));
}

TEST(GvGrvParser, CaveBlockSettings) {
    auto pack = parseOk(
        cave("name \"A\"\nauthor \"B\"\nphysics Retro\nwrap STEPPED\nview full\n", "variants 2\n") +
        "cave 5, 5\n{\nintermission\nlocked\n}\ncave 6, 6\n{\nbonus\n}\n");
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& first = *pack->cave(0);
    EXPECT_EQ("A", first.name);
    EXPECT_EQ("B", first.author);
    EXPECT_EQ(GvPhysics::retro, first.physics);
    EXPECT_EQ(GvWrapMode::stepped, first.wrap);
    EXPECT_EQ(GvPresentation::full, first.view);
    EXPECT_FALSE(first.bonus);
    EXPECT_FALSE(first.variant(0)->locked);
    const GvCaveDef& second = *pack->cave(1);
    EXPECT_EQ(GvPresentation::full, second.view);
    EXPECT_TRUE(second.bonus);
    EXPECT_TRUE(second.variant(0)->locked);
    EXPECT_TRUE(second.variant(1)->locked);
    EXPECT_EQ(GvPresentation::scrolling, pack->cave(2)->view);
    EXPECT_TRUE(pack->cave(2)->bonus);

    EXPECT_EQ((Messages{"Syntax error on line 4."}), errors(cave("bonus 1\n")));
    EXPECT_EQ((Messages{"Syntax error on line 4."}), errors(cave("intermission yes\n")));
    EXPECT_EQ((Messages{"Parameter 1 on line 4 is invalid."}), errors(cave("physics modern\n")));
    EXPECT_EQ((Messages{"Parameter 1 on line 4 is invalid."}), errors(cave("wrap diagonal\n")));
    EXPECT_EQ((Messages{"Syntax error on line 4."}), errors(cave("name A\n")));
}

TEST(GvGrvParser, KeywordsThatDoNotBelongInACave) {
    for (const char* line :
         {"gravik 3", "variants 2", "cave 4, 4", "macro \"m\"", "demo", "emerald 1", "{"}) {
        EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected close brace."}),
                  errors(cave(std::string(line) + "\n")))
            << line;
    }
    // The end of the file inside a cave block.
    EXPECT_EQ((Messages{"Syntax error on line 4."}), errors("gravik 3\ncave 10, 8\n{\nbonus\n"));
    EXPECT_EQ((Messages{"Syntax error on line 4."}), errors(cave("} x\n")));
}

TEST(GvGrvParser, PerVariantValueCounts) {
    auto pack = parseOk(cave("tick_rate 5, 6.5, 8\ngame_ticks 100\ndiamond_quota 1, 2, 2147483647\n"
                             "world_seed 9\nunpack_seed 0, 256, 7\n",
                             "variants 3\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    EXPECT_FLOAT_EQ(5.0f, def.variant(0)->tick_rate);
    EXPECT_FLOAT_EQ(6.5f, def.variant(1)->tick_rate);
    EXPECT_FLOAT_EQ(8.0f, def.variant(2)->tick_rate);
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(100, def.variant(v)->game_ticks);
        EXPECT_EQ(9, def.variant(v)->world_seed);
    }
    EXPECT_EQ(INT_MAX, def.variant(2)->diamond_quota);
    EXPECT_EQ(256, def.variant(1)->unpack_seed);

    EXPECT_EQ((Messages{"Wrong number of values on line 5."}),
              errors(cave("tick_rate 5, 6\n", "variants 3\n")));
    EXPECT_EQ((Messages{"Wrong number of values on line 4."}), errors(cave("tick_rate 5, 6\n")));
    EXPECT_EQ((Messages{"Wrong number of values on line 4."}), errors(cave("game_ticks\n")));
    EXPECT_EQ((Messages{"Wrong number of values on line 5."}),
              errors(cave("game_ticks 1,2,3,4,5,6,7,8,9,10\n", "variants 9\n")));
    EXPECT_NE(nullptr, parseOk(cave("game_ticks 1,2,3,4,5,6,7,8,9\n", "variants 9\n")));
    EXPECT_EQ((Messages{"Parameter 2 on line 5 is invalid."}),
              errors(cave("game_ticks 1, 10000\n", "variants 2\n")));
    EXPECT_EQ((Messages{"Parameter 1 on line 4 is invalid."}), errors(cave("tick_rate 0.5\n")));
    EXPECT_EQ((Messages{"Parameter 1 on line 4 is invalid."}),
              errors(cave("diamond_quota 99999999999999999999\n")));
    EXPECT_EQ((Messages{"Syntax error on line 4."}), errors(cave("game_ticks 12a\n")));
    EXPECT_EQ((Messages{"Syntax error on line 4."}), errors(cave("game_ticks 1.5\n")));
    EXPECT_NE(nullptr, parseOk(cave("game_ticks   12   \n")));
}

TEST(GvGrvParser, TimeConversionsUseTheTickRateReadSoFar) {
    auto pack = parseOk(cave("game_time 100\ntick_rate 8\npre_game_time 2.5\n"
                             "magic_wall_time 0.06\nslime_permeability 0.5\n"
                             "amoeba 300, 10, 200, 1.5\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveVariant& v = *pack->cave(0)->variant(0);
    EXPECT_EQ(600, v.game_ticks);
    EXPECT_EQ(20, v.pre_game_ticks);
    EXPECT_EQ(0, v.magic_wall_ticks);
    EXPECT_EQ(32768, v.slime_permeability);
    EXPECT_EQ(300, v.amoeba_size_limit);
    EXPECT_EQ(10, v.amoeba_slow_chance);
    EXPECT_EQ(200, v.amoeba_fast_chance);
    EXPECT_EQ(12, v.amoeba_slow_ticks);

    auto after = parseOk(cave("tick_rate 8\ngame_time 100\nslime_permeability 1\n"));
    ASSERT_NE(nullptr, after);
    EXPECT_EQ(800, after->cave(0)->variant(0)->game_ticks);
    EXPECT_EQ(65536, after->cave(0)->variant(0)->slime_permeability);

    // Each variant converts with its own rate.
    auto perVariant = parseOk(cave("tick_rate 4, 10\ngame_time 3\n", "variants 2\n"));
    ASSERT_NE(nullptr, perVariant);
    EXPECT_EQ(12, perVariant->cave(0)->variant(0)->game_ticks);
    EXPECT_EQ(30, perVariant->cave(0)->variant(1)->game_ticks);

    EXPECT_EQ((Messages{"Wrong number of values on line 4."}), errors(cave("amoeba 1, 2, 3\n")));
    EXPECT_EQ((Messages{"Parameter 2 on line 4 is invalid."}),
              errors(cave("amoeba 1, 256, 3, 4\n")));
    EXPECT_EQ((Messages{"Parameter 1 on line 4 is invalid."}),
              errors(cave("slime_permeability 1.01\n")));
    EXPECT_EQ((Messages{"Parameter 1 on line 4 is invalid."}), errors(cave("game_time nan\n")));
}

TEST(GvGrvParser, VariantBlocks) {
    auto pack = parseOk(cave("tick_rate 10\nset 1, 1, boulder\nvariant 2\n{\n  locked\n"
                             "  game_time 2\n  diamond_quota 7\n  amoeba 1, 2, 3, 1\n"
                             "  set 2, 2, diamond\n}\nvariant 1\n{\n}\n",
                             "variants 2\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    EXPECT_FALSE(def.variant(0)->locked);
    EXPECT_TRUE(def.variant(1)->locked);
    EXPECT_EQ(20, def.variant(1)->game_ticks);
    EXPECT_EQ(7, def.variant(1)->diamond_quota);
    EXPECT_EQ(1, def.variant(0)->diamond_quota);
    EXPECT_EQ(10, def.variant(1)->amoeba_slow_ticks);
    EXPECT_EQ(360, def.variant(0)->amoeba_slow_ticks);
    EXPECT_TRUE(def.variant(0)->commands.empty());
    ASSERT_EQ(1u, def.variant(1)->commands.size());
    const auto* set = variantCommand<GvCmdSet>(def, 1, 0);
    ASSERT_NE(nullptr, set);
    EXPECT_EQ(GvPackedObjectType::diamond, set->object());

    const std::string twoVariants = "variants 2\n";
    EXPECT_EQ((Messages{"Invalid value on line 5."}),
              errors(cave("variant 3\n{\n}\n", twoVariants)));
    EXPECT_EQ((Messages{"Invalid value on line 5."}),
              errors(cave("variant 0\n{\n}\n", twoVariants)));
    EXPECT_EQ((Messages{"Invalid value on line 8.", "This variant has already been defined."}),
              errors(cave("variant 1\n{\n}\nvariant 1\n{\n}\n", twoVariants)));
    EXPECT_EQ((Messages{"Syntax error on line 8.",
                        "After a variant command has been used, only more variant commands are "
                        "allowed."}),
              errors(cave("variant 1\n{\n}\nset 1, 1, dirt\n", twoVariants)));
    EXPECT_EQ((Messages{"Syntax error on line 6.", "Expected close brace."}),
              errors("gravik 3\nvariants 2\ncave 10, 8\n{\nvariant 1\n{\n"));
    EXPECT_EQ((Messages{"Syntax error on line 6.", "Expected open brace."}),
              errors(cave("variant 1\nset 1, 1, dirt\n", twoVariants)));
    // Exactly one value per parameter inside a variant.
    EXPECT_EQ((Messages{"Wrong number of values on line 7."}),
              errors(cave("variant 1\n{\ngame_ticks 1, 2\n}\n", twoVariants)));
    for (const char* line : {"name \"x\"", "bonus", "variant 2", "physics retro", "locked 1",
                             "demo 1", "} 1", "cave 4, 4", "emerald"}) {
        EXPECT_EQ((Messages{"Syntax error on line 7."}),
                  errors(cave("variant 1\n{\n" + std::string(line) + "\n}\n", twoVariants)))
            << line;
    }
}

TEST(GvGrvParser, Demos) {
    auto pack = parseOk(cave("variant 1\n{\ndemo\n{\n\"r5r3\"\n\"r2.4\"\n\"\"\n"
                             "\"u1U1d1D1l1L1R10\" ; moves\n}\n}\n"));
    ASSERT_NE(nullptr, pack);
    const auto& demo = pack->cave(0)->variant(0)->demo;
    EXPECT_EQ((std::vector<GvDemoStep>{
                  {8, 10}, {0, 4}, {1, 1}, {17, 1}, {2, 1}, {18, 1}, {4, 1}, {20, 1}, {24, 10}}),
              demo);

    // A second demo block starts over.
    auto again = parseOk(cave("variant 1\n{\ndemo\n{\n\"r5\"\n}\ndemo\n{\n\"l2\"\n}\n}\n"));
    ASSERT_NE(nullptr, again);
    EXPECT_EQ((std::vector<GvDemoStep>{{4, 2}}), again->cave(0)->variant(0)->demo);

    const auto demoError = [](const std::string& line) {
        return errors(cave("variant 1\n{\ndemo\n{\n" + line + "\n}\n}\n"));
    };
    for (const char* bad : {"\"x5\"", "\"r\"", "\"r0\"", "\"5\"", "r5", "\"r5", "\"r 5\"",
                            "\"r99999999999\"", "\"r2147483647r1\"", "} x"}) {
        EXPECT_EQ((Messages{"Syntax error on line 8."}), demoError(bad)) << bad;
    }
    EXPECT_EQ((Messages{"Syntax error on line 7.", "Expected close brace."}),
              errors("gravik 3\ncave 10, 8\n{\nvariant 1\n{\ndemo\n{\n"));
    EXPECT_EQ((Messages{"Syntax error on line 7.", "Expected open brace."}),
              errors(cave("variant 1\n{\ndemo\n\"r5\"\n}\n}\n")));
}

TEST(GvGrvParser, DrawingCommandsBuildTheirCommands) {
    auto pack = parseOk(cave("set 1, 2, Diamond\nline -1, 0, 1000, 3, boulder\n"
                             "rect_line 0, 0, 3, 3, brick_wall\nrect_fill 1, 1, 4, 4, dirt\n"
                             "rect_fill 1, 1, 4, 4, steel_wall, space\n"
                             "rect_dot 1, 1, 3, 2, 2, 3, bomb\n"
                             "random_fill 0, 0, 9, 7, dirt, boulder, 55, diamond, 62\n"
                             "parasite 0, 0, 9, 7, boulder, 0, 1, diamond_f\n"
                             "raw 0, 5, \" .PXrRdDbBWwMGHV12345678asF-\"\nfiller steel_wall\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    // The implicit border fill comes first, then the cave's own commands.
    ASSERT_EQ(11u, def.commands.size());
    const auto* border = command<GvCmdRectFill>(def, 0);
    ASSERT_NE(nullptr, border);
    EXPECT_EQ((std::array<int, 4>{0, 0, 9, 7}),
              (std::array<int, 4>{border->x1(), border->y1(), border->x2(), border->y2()}));
    EXPECT_EQ(GvPackedObjectType::steel_wall, border->border());
    EXPECT_EQ(GvPackedObjectType::dirt, border->fill());

    const auto* set = command<GvCmdSet>(def, 1);
    ASSERT_NE(nullptr, set);
    EXPECT_EQ(1, set->x());
    EXPECT_EQ(2, set->y());
    EXPECT_EQ(GvPackedObjectType::diamond, set->object());
    const auto* line = command<GvCmdLine>(def, 2);
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(-1, line->x1());
    EXPECT_EQ(1000, line->x2());
    EXPECT_NE(nullptr, command<GvCmdRectLine>(def, 3));
    const auto* solid = command<GvCmdRectFill>(def, 4);
    ASSERT_NE(nullptr, solid);
    EXPECT_EQ(GvPackedObjectType::dirt, solid->fill());
    const auto* framed = command<GvCmdRectFill>(def, 5);
    ASSERT_NE(nullptr, framed);
    EXPECT_EQ(GvPackedObjectType::space, framed->fill());
    const auto* dots = command<GvCmdRectDot>(def, 6);
    ASSERT_NE(nullptr, dots);
    EXPECT_EQ((std::array<int, 6>{1, 1, 3, 2, 2, 3}),
              (std::array<int, 6>{dots->x(), dots->y(), dots->columns(), dots->rows(),
                                  dots->columnStep(), dots->rowStep()}));
    const auto* random = command<GvCmdRandomFill>(def, 7);
    ASSERT_NE(nullptr, random);
    EXPECT_EQ((std::vector<GvCmdRandomFill::Entry>{{GvPackedObjectType::boulder, 55},
                                                   {GvPackedObjectType::diamond, 62}}),
              random->entries());
    const auto* parasite = command<GvCmdParasite>(def, 8);
    ASSERT_NE(nullptr, parasite);
    EXPECT_EQ(GvPackedObjectType::boulder, parasite->host());
    EXPECT_EQ(1, parasite->dy());
    EXPECT_EQ(GvPackedObjectType::diamond_f, parasite->parasite());
    const auto* raw = command<GvCmdRaw>(def, 9);
    ASSERT_NE(nullptr, raw);
    ASSERT_EQ(28u, raw->objects().size());
    for (int code = 0; code < 28; ++code) {
        EXPECT_EQ(static_cast<GvPackedObjectType>(code), raw->objects()[code]) << code;
    }
    const auto* filler = command<GvCmdFiller>(def, 10);
    ASSERT_NE(nullptr, filler);
    EXPECT_EQ(GvPackedObjectType::steel_wall, filler->object());
}

TEST(GvGrvParser, DrawingCommandErrors) {
    const auto at4 = [](const std::string& line) { return errors(cave(line + "\n")); };
    const Messages syntax{"Syntax error on line 4."};
    const Messages count{"Wrong number of values on line 4."};
    const auto parameter = [](int k) {
        return Messages{"Parameter " + std::to_string(k) + " on line 4 is invalid."};
    };
    EXPECT_EQ(parameter(3), at4("rect_fill 5, 0, 3, 4, dirt"));
    EXPECT_EQ(parameter(4), at4("rect_fill 0, 5, 3, 4, dirt"));
    EXPECT_EQ(parameter(3), at4("rect_line 5, 0, 3, 4, dirt"));
    EXPECT_EQ(parameter(4), at4("random_fill 0, 5, 3, 4, dirt"));
    EXPECT_EQ(parameter(3), at4("parasite 5, 0, 3, 4, dirt, 0, 1, boulder"));
    // Lines and dots may run in any direction.
    EXPECT_NE(nullptr, parseOk(cave("line 5, 5, 1, 1, dirt\n")));
    EXPECT_EQ(parameter(3), at4("set 1, 1, emerald"));
    EXPECT_EQ(parameter(1), at4("set 1001, 1, dirt"));
    EXPECT_EQ(parameter(5), at4("rect_dot 1, 1, 3, 2, 0, 1, dirt"));
    EXPECT_EQ(parameter(9), at4("random_fill 0, 0, 3, 3, dirt, boulder, 10, diamond, 256"));
    EXPECT_EQ(count, at4("random_fill 0, 0, 3, 3, dirt, boulder"));
    EXPECT_EQ(count, at4("rect_fill 0, 0, 3, 3"));
    EXPECT_EQ(count, at4("rect_fill 0, 0, 3, 3, dirt, dirt, dirt"));
    EXPECT_EQ(count, at4("set 1, 1"));
    EXPECT_EQ(count, at4("filler"));
    EXPECT_EQ(syntax, at4("set 1, x, dirt"));
    EXPECT_EQ(syntax, at4("raw 1, 1, abc"));
    EXPECT_EQ((Messages{"Invalid object character 'z' on line 4."}), at4("raw 1, 1, \"rrz\""));
    EXPECT_EQ((Messages{"Invalid object character '\t' on line 4."}), at4("raw 1, 1, \"r\tr\""));
}

TEST(GvGrvParser, StylesAndTheImplicitFill) {
    auto pack = parseOk(cave("style dirt, Green\nstyle steel_wall, red\nset 1, 1, dirt\n"
                             "style brick_wall, dark_cyan\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    ASSERT_EQ(5u, def.commands.size());
    const auto* green = command<GvCmdStyle>(def, 0);
    ASSERT_NE(nullptr, green);
    EXPECT_EQ(GvPackedObjectType::dirt, green->object());
    EXPECT_EQ(6, green->style());
    const auto* red = command<GvCmdStyle>(def, 1);
    ASSERT_NE(nullptr, red);
    EXPECT_EQ(6, red->style());
    EXPECT_NE(nullptr, command<GvCmdRectFill>(def, 2));
    EXPECT_NE(nullptr, command<GvCmdSet>(def, 3));
    const auto* cyan = command<GvCmdStyle>(def, 4);
    ASSERT_NE(nullptr, cyan);
    EXPECT_EQ(2, cyan->style());

    // Only styles: the fill still comes, after them.
    auto onlyStyles = parseOk(cave("style in_box, light_blue\n"));
    ASSERT_NE(nullptr, onlyStyles);
    ASSERT_EQ(2u, onlyStyles->cave(0)->commands.size());
    EXPECT_NE(nullptr, command<GvCmdStyle>(*onlyStyles->cave(0), 0));
    EXPECT_NE(nullptr, command<GvCmdRectFill>(*onlyStyles->cave(0), 1));
    // No commands at all: just the fill.
    auto empty = parseOk(cave(""));
    ASSERT_NE(nullptr, empty);
    ASSERT_EQ(1u, empty->cave(0)->commands.size());

    EXPECT_EQ((Messages{"Invalid value on line 4.", "No styles are available for this object."}),
              errors(cave("style boulder, red\n")));
    EXPECT_EQ((Messages{"Invalid value on line 4."}), errors(cave("style dirt, white\n")));
    EXPECT_EQ((Messages{"Parameter 1 on line 4 is invalid."}), errors(cave("style mud, red\n")));
}

TEST(GvGrvParser, MacrosAndCalls) {
    auto pack = parseOk("gravik 3\nmacro \"Pair\"\n{\nset 1, 1, boulder\nstyle dirt, blue\n"
                        "rect_fill 0, 0, 1, 1, diamond\n}\nmacro \"Twice\"\n{\ncall \"pair\"\n"
                        "call \"PAIR\", 2, 3\n}\ncave 10, 8\n{\ncall \"twice\", 1, 1\n}\n");
    ASSERT_NE(nullptr, pack);
    // Macros are not caves.
    ASSERT_EQ(1, pack->caveCount());
    const GvCaveDef& def = *pack->cave(0);
    ASSERT_EQ(7u, def.commands.size());
    const auto* first = command<GvCmdSet>(def, 1);
    const auto* second = command<GvCmdSet>(def, 4);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(2, first->x());
    EXPECT_EQ(2, first->y());
    EXPECT_EQ(4, second->x());
    EXPECT_EQ(5, second->y());
    const auto* fill = command<GvCmdRectFill>(def, 6);
    ASSERT_NE(nullptr, fill);
    EXPECT_EQ(3, fill->x1());
    EXPECT_EQ(5, fill->y2());

    EXPECT_EQ((Messages{"Duplicate macro definition on line 5."}),
              errors("gravik 3\nmacro \"m\"\n{\n}\nmacro \"M\"\n{\n}\n"));
    EXPECT_EQ((Messages{"Call to an unknown macro on line 4."}), errors(cave("call \"none\"\n")));
    // A macro cannot call itself: it is known only once it is complete.
    EXPECT_EQ((Messages{"Call to an unknown macro on line 4."}),
              errors("gravik 3\nmacro \"m\"\n{\ncall \"m\"\n}\n"));
    EXPECT_EQ((Messages{"Wrong number of values on line 4."}), errors(cave("call \"m\", 1\n")));
    EXPECT_EQ((Messages{"Syntax error on line 4."}),
              errors("gravik 3\nmacro \"m\"\n{\nname \"x\"\n}\n"));
    EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected close brace."}),
              errors("gravik 3\nmacro \"m\"\n{\nset 1, 1, dirt\n"));
    EXPECT_EQ((Messages{"Syntax error on line 2.", "Expected open brace."}),
              errors("gravik 3\nmacro \"m\"\n"));
}

TEST(GvGrvParser, MacrosThatMultiplyWithoutBoundAreRefused) {
    // Each macro calls the one before ten times: 10^7 commands by the seventh.
    std::string text = "gravik 3\nmacro \"m0\"\n{\nset 1, 1, dirt\n}\n";
    for (int i = 1; i <= 7; ++i) {
        text += "macro \"m" + std::to_string(i) + "\"\n{\n";
        for (int k = 0; k < 10; ++k) {
            text += "call \"m" + std::to_string(i - 1) + "\"\n";
        }
        text += "}\n";
    }
    const Messages messages = errors(text + "cave 10, 8\n{\n}\n");
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(0u, messages[0].find("Too many drawing commands on line "));
}

TEST(GvGrvParser, HeaderOnlyStopsAtTheFirstCaveOrMacro) {
    Messages messages;
    auto pack = parse("gravik 3\nname \"P\"\nvariants 4\ncave 10, 8\n{\nthis is not read\n",
                      messages, true);
    ASSERT_NE(nullptr, pack);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ("P", pack->name);
    EXPECT_EQ(4, pack->variant_count);
    EXPECT_EQ(0, pack->caveCount());

    auto macroFirst = parse("gravik 3\nauthor \"A\"\nmacro \"m\"\n{\n", messages, true);
    ASSERT_NE(nullptr, macroFirst);
    EXPECT_EQ("A", macroFirst->author);

    // No caves at all is fine for a header, not for a pack.
    EXPECT_NE(nullptr, parse("gravik 3\nname \"P\"\n", messages, true));
    EXPECT_EQ((Messages{"The level pack contains no levels."}), errors("gravik 3\nname \"P\"\n"));
    // Errors in the header still count.
    EXPECT_EQ((Messages{"Syntax error on line 2."}), errors("gravik 3\nname P\n", true));
}

TEST(GvGrvParser, LoadedPackValidation) {
    EXPECT_EQ((Messages{"The first level in the level pack must be selectable (unlocked and not "
                        "a bonus)."}),
              errors(cave("bonus\n")));
    EXPECT_EQ((Messages{"The first level in the level pack must be selectable (unlocked and not "
                        "a bonus)."}),
              errors(cave("variant 1\n{\nlocked\n}\n", "variants 2\n")));
    EXPECT_NE(nullptr, parseOk(cave("variant 2\n{\nlocked\n}\n", "variants 2\n")));
    EXPECT_NE(nullptr, parseOk(cave("") + "cave 4, 4\n{\nbonus\nlocked\n}\n"));
}

TEST(GvGrvParser, BadInputGivesAMessageNeverACrash) {
    // A very long line, binary bytes, and a file that ends in the middle.
    EXPECT_EQ((Messages{"Syntax error on line 2."}),
              errors("gravik 3\nname \"" + std::string(1 << 20, 'x') + "\n"));
    std::string binary = "gravik 3\n";
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 7919) & 0xFF));
    }
    EXPECT_FALSE(errors(binary).empty());
    const std::string whole = cave("set 1, 1, dirt\nvariant 1\n{\ndemo\n{\n\"r5\"\n}\n}\n");
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        Messages messages;
        auto pack = parse(whole.substr(0, cut), messages);
        EXPECT_NE(pack == nullptr, messages.empty()) << cut;
    }
    // Without a message list the parser still works and only returns null.
    OrbMemoryStream stream(std::string("gravik 4\n"));
    EXPECT_EQ(nullptr, GvGrvParser().parse(stream, nullptr, false));
}
