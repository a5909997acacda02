#include "formats/GvBdcffParser.h"

#include "formats/ParserTestSupport.h"

#include "formats/GvBdcffConverter.h"
#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvCmdIsoRandomFill.h"
#include "levelpack/GvCmdParasite.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectDot.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdRectLine.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvLevelPack.h"
#include "levelpack/LevelpackTestSupport.h"
#include "platform/OrbFileStream.h"

#include <gtest/gtest.h>

namespace {

constexpr ParseText<GvBdcffParser> parse{};
constexpr ParseTextOk<GvBdcffParser> parseOk{};
constexpr ParseTextErrors<GvBdcffParser> errors{};

// The keys every cave needs when the pack has one level.
const std::string kTimes = "CaveTime=150\nDiamondsRequired=10\n";

// A file with the given game keys and one cave holding `body`.
std::string bd(const std::string& body, const std::string& gameKeys = "") {
    return "[BDCFF]\n[Game]\n" + gameKeys + "[Cave]\n" + body + "[/Cave]\n[/Game]\n[/BDCFF]\n";
}

// The 1-based number of the first line that contains `needle`.
int lineOf(const std::string& text, const std::string& needle) {
    const std::size_t at = text.find(needle);
    EXPECT_NE(std::string::npos, at) << needle;
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
}

std::string syntaxOn(const std::string& text, const std::string& needle) {
    return "Syntax error on line " + std::to_string(lineOf(text, needle)) + ".";
}

// What level v of a cave draws, as a picture in the raw alphabet.
std::string picture(const GvLevelPack& pack, int caveIndex, int v) {
    const GvCaveDef& def = *pack.cave(caveIndex);
    GvUnpackGrid grid(def.width, def.height);
    GvBdcffConverter::draw(def, v, grid);
    return gridPicture(grid);
}

std::string map(const std::string& rows) {
    return "[Map]\n" + rows + "[/Map]\n";
}

} // namespace

TEST(GvBdcffParser, EmptyCaveWithoutDelayRunsAtTenTicksPerSecond) {
    auto pack = parseOk(bd(kTimes + "CaveDelay=0\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    EXPECT_EQ(40, def.width);
    EXPECT_EQ(22, def.height);
    EXPECT_FALSE(def.has_visible_area);
    EXPECT_EQ(GvPhysics::retro, def.physics);
    EXPECT_EQ(GvPresentation::scrolling, def.view);
    const GvCaveVariant& v = *def.variant(0);
    // Cost 88000: the rate would be 11.4, but no cave runs faster than 10.
    EXPECT_FLOAT_EQ(10.0f, v.tick_rate);
    EXPECT_EQ(1500, v.game_ticks);
    EXPECT_EQ(24, v.pre_game_ticks);
    EXPECT_EQ(10, v.diamond_quota);
    EXPECT_EQ(0, v.magic_wall_ticks);
    EXPECT_EQ(0, v.amoeba_slow_ticks);
    EXPECT_EQ(200, v.amoeba_size_limit); // 0.227 of 880 cells
    EXPECT_EQ(8, v.amoeba_slow_chance);
    EXPECT_EQ(64, v.amoeba_fast_chance);
    EXPECT_EQ(8192, v.slime_permeability);
    EXPECT_EQ(0, v.unpack_seed);
}

TEST(GvBdcffParser, TickRateFollowsTheContentOfEachLevel) {
    const std::string rows = "WWWWWWWWWW\n"
                             "WQ.rrd..sW\n"
                             "W.B.x.V..W\n"
                             "WWWWWWWWWW\n";
    auto pack = parseOk(bd("Size=10 4\nCaveTime=100 90\nDiamondsRequired=5 6\nCaveDelay=12\n"
                           "MagicWallTime=20\nAmoebaTime=30 40\n" +
                               map(rows),
                           "Levels=2\n"));
    ASSERT_NE(nullptr, pack);
    ASSERT_EQ(2, pack->variant_count);
    const GvCaveDef& def = *pack->cave(0);
    // 88000 + 12 × 3660 + 2 × 380 + 3 × 150 + 210 + 2 × 110 = 133560: s = 75.
    const GvCaveVariant& first = *def.variant(0);
    EXPECT_FLOAT_EQ(7.5f, first.tick_rate);
    EXPECT_EQ(750, first.game_ticks);
    EXPECT_EQ(150, first.magic_wall_ticks);
    EXPECT_EQ(225, first.amoeba_slow_ticks);
    EXPECT_EQ(5, first.diamond_quota);
    // The second level's delay was not given: it takes 6, so 111600 and s = 90.
    const GvCaveVariant& second = *def.variant(1);
    EXPECT_FLOAT_EQ(9.0f, second.tick_rate);
    EXPECT_EQ(810, second.game_ticks);
    EXPECT_EQ(180, second.magic_wall_ticks);
    EXPECT_EQ(360, second.amoeba_slow_ticks);
    EXPECT_EQ(6, second.diamond_quota);
    EXPECT_EQ(GvWrapMode::none, def.wrap);
}

TEST(GvBdcffParser, AmoebaAndLongDelaysSlowTheClock) {
    const std::string rows = "WWWWWWWWWW\nW.aa....XW\nW.......PW\nWWWWWWWWWW\n";
    // 88000 + 20 × 3660 = 161200 gives s = 63; two amoeba cells with room for 18
    // more add 520 + 260 × 4.
    auto amoeba = parseOk(bd("Size=10 4\n" + kTimes + "CaveDelay=20\nAmoebaThreshold=0.5\n" +
                             "AmoebaGrowthProb=0.1 1\n" + map(rows)));
    ASSERT_NE(nullptr, amoeba);
    const GvCaveVariant& v = *amoeba->cave(0)->variant(0);
    EXPECT_EQ(20, v.amoeba_size_limit);
    EXPECT_EQ(26, v.amoeba_slow_chance);
    EXPECT_EQ(255, v.amoeba_fast_chance);
    EXPECT_FLOAT_EQ(6.2f, v.tick_rate);

    auto slow = parseOk(bd(kTimes + "CaveDelay=100\n"));
    ASSERT_NE(nullptr, slow);
    EXPECT_FLOAT_EQ(6.0f, slow->cave(0)->variant(0)->tick_rate);
    EXPECT_EQ(900, slow->cave(0)->variant(0)->game_ticks);
}

TEST(GvBdcffParser, DefaultDelaysPerLevel) {
    // An empty 40×22 cave: delays 12, 6, 3, 1, 0 give 131 920, 109 960, 98 980,
    // 91 660 and 88 000, so s = 76, 91, 100, 100, 100.
    auto pack = parseOk(bd("CaveTime=10 10 10 10 10\nDiamondsRequired=1 2 3 4 5\n", "Levels=5\n"));
    ASSERT_NE(nullptr, pack);
    const float expected[] = {7.6f, 9.1f, 10.0f, 10.0f, 10.0f};
    for (int w = 0; w < 5; ++w) {
        EXPECT_FLOAT_EQ(expected[w], pack->cave(0)->variant(w)->tick_rate) << w;
        EXPECT_EQ(w + 1, pack->cave(0)->variant(w)->diamond_quota);
    }
}

TEST(GvBdcffParser, ValueCountErrors) {
    const std::string game = "Levels=5\n";
    const std::string fiveTimes = "CaveTime=1 2 3 4 5\nDiamondsRequired=1 2 3 4 5\n";
    const std::string twoMagic = bd(fiveTimes + "MagicWallTime=10 20\n", game);
    EXPECT_EQ(Messages{"Wrong number of values on line " +
                       std::to_string(lineOf(twoMagic, "MagicWallTime")) + "."},
              errors(twoMagic));
    // One value or one per level both serve.
    EXPECT_NE(nullptr, parseOk(bd(fiveTimes + "MagicWallTime=10\nAmoebaTime=1 2 3 4 5\n", game)));

    const std::string cases[] = {
        bd("CaveTime=1 2 3 4 5 6 7 8 9 10 11\nDiamondsRequired=1\n"),
        bd(kTimes + "Size=20 12 1\n"),
        bd(kTimes + "AmoebaGrowthProb=0.5\n"),
        bd(kTimes + "RandomFill=Boulder 20 Diamond\n"),
        bd(kTimes + "HatchingDelay=1 2\n"),
        bd(kTimes + "InitialFill=\n"),
        bd(kTimes, "Levels=1 2\n"),
    };
    for (const std::string& text : cases) {
        const Messages messages = errors(text);
        ASSERT_EQ(1u, messages.size()) << text;
        EXPECT_EQ(0u, messages[0].find("Wrong number of values on line ")) << text;
    }
}

TEST(GvBdcffParser, RangeAndSyntaxErrorsNameTheValue) {
    const std::string quota = bd("CaveTime=5\nDiamondsRequired=1000\n");
    EXPECT_EQ(Messages{"Parameter 1 on line " + std::to_string(lineOf(quota, "Diamonds")) +
                       " is invalid."},
              errors(quota));
    const std::string time = bd("CaveTime=5 10000\nDiamondsRequired=1\n", "Levels=2\n");
    EXPECT_EQ(Messages{"Parameter 2 on line " + std::to_string(lineOf(time, "CaveTime")) +
                       " is invalid."},
              errors(time));
    const std::string levels = bd(kTimes, "Levels=11\n");
    EXPECT_EQ(Messages{"Parameter 1 on line 3 is invalid."}, errors(levels));
    const std::string fill = bd(kTimes + "InitialFill=Lava\n");
    EXPECT_EQ(
        Messages{"Parameter 1 on line " + std::to_string(lineOf(fill, "Initial")) + " is invalid."},
        errors(fill));
    const std::string word = bd(kTimes + "CaveDelay=soon\n");
    EXPECT_EQ(Messages{syntaxOn(word, "CaveDelay")}, errors(word));
    const std::string delay = bd(kTimes + "CaveDelay=101\n");
    EXPECT_EQ(Messages{"Parameter 1 on line " + std::to_string(lineOf(delay, "CaveDelay")) +
                       " is invalid."},
              errors(delay));
}

TEST(GvBdcffParser, MissingTimesAndQuotasPerLevel) {
    EXPECT_EQ(Messages{"Cave Pit doesn't have enough cave times."},
              errors(bd("Name=Pit\nCaveTime=100\nDiamondsRequired=1 2\n", "Levels=2\n")));
    // An unnamed cave is named by its position.
    const std::string two = "[BDCFF]\n[Game]\nLevels=2\n[Cave]\nCaveTime=1 2\n"
                            "DiamondsRequired=1 2\n[/Cave]\n[Cave]\nCaveTime=1 2\n"
                            "DiamondsRequired=3\n[/Cave]\n[/Game]\n[/BDCFF]\n";
    EXPECT_EQ(Messages{"Cave 2 doesn't have enough diamond quotas."}, errors(two));
    EXPECT_EQ(Messages{"Cave 1 doesn't have enough cave times."}, errors(bd("")));
    EXPECT_EQ(Messages{"The level pack contains no levels."},
              errors("[BDCFF]\n[Game]\nName=Empty\n[/Game]\n[/BDCFF]\n"));
}

TEST(GvBdcffParser, SlimePermeabilityAsRealsOrBitMasks) {
    const auto permeability = [](const std::string& keys, int levels) {
        auto pack = parseOk(bd("CaveTime=1 1 1\nDiamondsRequired=1 1 1\n" + keys,
                               "Levels=" + std::to_string(levels) + "\n"));
        std::vector<int> out;
        if (pack != nullptr) {
            for (int w = 0; w < levels; ++w) {
                out.push_back(pack->cave(0)->variant(w)->slime_permeability);
            }
        }
        return out;
    };
    // 3 has two bits set: a quarter; 0 lets everything through, 255 one in 256.
    EXPECT_EQ((std::vector<int>{16384, 65536, 256}),
              permeability("SlimePermeability=3 0 255\n", 3));
    EXPECT_EQ((std::vector<int>{32768, 65536}), permeability("SlimePermeability=0.5 1\n", 2));
    EXPECT_EQ((std::vector<int>{16384, 16384}), permeability("SlimePermeability=3\n", 2));
    // The C64 key reads masks even where a "." would make the other key read reals.
    EXPECT_EQ((std::vector<int>{32768}), permeability("SlimePermeabilityC64=128\n", 1));
    EXPECT_EQ(Messages{"Syntax error on line 6."},
              errors(bd(kTimes + "SlimePermeabilityC64=0.5\n")));
    EXPECT_EQ(Messages{"Parameter 1 on line 6 is invalid."},
              errors(bd(kTimes + "SlimePermeability=1.5\n")));
}

TEST(GvBdcffParser, SizesAndVisibleAreas) {
    auto pack = parseOk(bd(kTimes + "Size=20 12 2 1 17 10\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    EXPECT_EQ(20, def.width);
    EXPECT_EQ(12, def.height);
    EXPECT_TRUE(def.has_visible_area);
    EXPECT_EQ(2, def.visible_left);
    EXPECT_EQ(1, def.visible_top);
    EXPECT_EQ(16, def.visible_width);
    EXPECT_EQ(10, def.visible_height);

    auto whole = parseOk(bd(kTimes + "Size=20 12 0 0 19 11\n"));
    ASSERT_NE(nullptr, whole);
    EXPECT_FALSE(whole->cave(0)->has_visible_area);

    auto smallest = parseOk(bd(kTimes + "Size=4 4 0 0 3 3\n"));
    ASSERT_NE(nullptr, smallest);
    EXPECT_EQ(4, smallest->cave(0)->width);

    for (const char* bad : {"Size=20 12 0 0 20 11\n", "Size=20 12 0 0 19 12\n",
                            "Size=20 12 5 0 7 11\n", "Size=20 12 0 9 19 3\n"}) {
        const std::string text = bd(kTimes + bad);
        EXPECT_EQ(Messages{"Invalid value on line " + std::to_string(lineOf(text, "Size")) + "."},
                  errors(text))
            << bad;
    }
    EXPECT_EQ(Messages{"Parameter 2 on line 6 is invalid."}, errors(bd(kTimes + "Size=40 101\n")));
    EXPECT_EQ(Messages{"Parameter 5 on line 6 is invalid."},
              errors(bd(kTimes + "Size=40 22 0 0 100 21\n")));

    // The game's sizes serve caves that give none.
    auto defaults = parseOk(bd(kTimes, "CaveSize=30 15\n"));
    ASSERT_NE(nullptr, defaults);
    EXPECT_EQ(30, defaults->cave(0)->width);
    EXPECT_EQ(15, defaults->cave(0)->height);
}

TEST(GvBdcffParser, Intermissions) {
    const std::string text = "[BDCFF]\n[Game]\nIntermissionSize=20 12 0 0 9 5\n"
                             "[Cave]\nIntermission=TRUE\n" +
                             kTimes + "[/Cave]\n[Cave]\nIntermission=true\n" + kTimes +
                             "[/Cave]\n[Cave]\nIntermission=yes\n" + kTimes +
                             "[/Cave]\n[/Game]\n[/BDCFF]\n";
    auto pack = parseOk(text);
    ASSERT_NE(nullptr, pack);
    ASSERT_EQ(3, pack->caveCount());
    // The first cave stays selectable even as an intermission.
    EXPECT_FALSE(pack->cave(0)->bonus);
    EXPECT_EQ(GvPresentation::full, pack->cave(0)->view);
    const GvCaveDef& second = *pack->cave(1);
    EXPECT_TRUE(second.bonus);
    EXPECT_EQ(GvPresentation::full, second.view);
    EXPECT_EQ(20, second.width);
    EXPECT_EQ(10, second.visible_width);
    EXPECT_EQ(6, second.visible_height);
    EXPECT_FALSE(pack->cave(2)->bonus);
    EXPECT_EQ(GvPresentation::scrolling, pack->cave(2)->view);

    // Without a size of their own, intermissions show a 20 × 12 corner of 40 × 22.
    auto small = parseOk("[BDCFF]\n[Game]\n[Cave]\n" + kTimes + "[/Cave]\n[Cave]\n" + kTimes +
                         "Intermission=True\n[/Cave]\n[/Game]\n[/BDCFF]\n");
    ASSERT_NE(nullptr, small);
    const GvCaveDef& corner = *small->cave(1);
    EXPECT_EQ(40, corner.width);
    EXPECT_TRUE(corner.has_visible_area);
    EXPECT_EQ(20, corner.visible_width);
    EXPECT_EQ(12, corner.visible_height);
}

TEST(GvBdcffParser, WrapModeFollowsTheBorderOfTheFirstLevel) {
    const auto wrapOf = [](const std::string& rows) {
        auto pack = parseOk(bd("Size=6 4\n" + kTimes + map(rows)));
        return pack != nullptr ? pack->cave(0)->wrap : GvWrapMode::all;
    };
    EXPECT_EQ(GvWrapMode::none, wrapOf("WWWWWW\nW....X\nH....W\nWWWWWW\n"));
    EXPECT_EQ(GvWrapMode::stepped, wrapOf("WWWWWW\n.....W\nW....W\nWWWWWW\n"));
    EXPECT_EQ(GvWrapMode::stepped, wrapOf("WWWWWW\nW....W\nW.....\nWWWWWW\n"));
    EXPECT_EQ(GvWrapMode::vertical, wrapOf("WW.WWW\nW....W\nW....W\nWWWWWW\n"));
    EXPECT_EQ(GvWrapMode::vertical, wrapOf("WWWWWW\nW....W\nW....W\nWWWWrW\n"));
}

TEST(GvBdcffParser, MapRowsAndCodes) {
    const std::string text =
        bd("Size=30 4\n" + kTimes + map("WWWW\n .wWMPXHrdQoOqbBcCasFVxv\n\nW\n"));
    auto pack = parseOk(text);
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    ASSERT_EQ(4u, def.commands.size());
    const auto* row = dynamic_cast<const GvCmdRaw*>(def.commands[1].get());
    ASSERT_NE(nullptr, row);
    EXPECT_EQ(0, row->x());
    EXPECT_EQ(1, row->y());
    using T = GvPackedObjectType;
    const std::vector<T> expected = {
        T::space,       T::dirt,         T::brick_wall,     T::steel_wall,    T::magic_wall,
        T::in_box,      T::out_box,      T::out_box,        T::boulder,       T::diamond,
        T::firefly_l,   T::firefly_u,    T::firefly_r,      T::firefly_d,     T::butterfly_l,
        T::butterfly_u, T::butterfly_r,  T::butterfly_d,    T::amoeba,        T::slime,
        T::voodoo_doll, T::growing_wall, T::growing_wall_h, T::growing_wall_v};
    EXPECT_EQ(expected, row->objects());
    // An empty map line still takes a row.
    const auto* last = dynamic_cast<const GvCmdRaw*>(def.commands[3].get());
    ASSERT_NE(nullptr, last);
    EXPECT_EQ(3, last->y());

    const std::string tab = bd(kTimes + map("WWWW\nW\t.W\n"));
    EXPECT_EQ((Messages{syntaxOn(tab, "W\t"), "Unknown map code '\t'."}), errors(tab));
    // Map lines keep what a comment marker would remove elsewhere.
    const std::string comment = bd(kTimes + map("WWWW ; top\n"));
    EXPECT_EQ((Messages{syntaxOn(comment, "; top"), "Unknown map code ';'."}), errors(comment));
    const std::string open = "[BDCFF]\n[Game]\n[Cave]\n" + kTimes + "[Map]\nWWW\n";
    EXPECT_EQ((Messages{"Syntax error on line 7.", "Expected End of Map section."}), errors(open));
}

TEST(GvBdcffParser, ObjectsAndTheirLevels) {
    const std::string objects = "[Objects]\n"
                                "FillRect=0 0 9 5 SteelWall Dirt\n"
                                "Point=1 1 ButterflyL\n"
                                "[Level=2,3]\n"
                                "Point=2 1 ButterflyU\n"
                                "[/Level]\n"
                                "Point=3 1 ButterflyR\n"
                                "[level=1]\n"
                                "Point=4 1 ButterflyD\n"
                                "[/level]\n"
                                "[/Objects]\n";
    auto pack =
        parseOk(bd("Size=10 6\nCaveTime=1 1 1\nDiamondsRequired=1 1 1\n" + objects, "Levels=3\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    // Until the first restricted object everything belongs to the cave.
    EXPECT_EQ(2u, def.commands.size());
    EXPECT_EQ(2u, def.variant(0)->commands.size());
    EXPECT_EQ(2u, def.variant(1)->commands.size());
    EXPECT_EQ(2u, def.variant(2)->commands.size());
    EXPECT_EQ("WWWWWWWWWW\nW8.67....W\nW........W\nW........W\nW........W\nWWWWWWWWWW\n",
              picture(*pack, 0, 0));
    EXPECT_EQ("WWWWWWWWWW\nW856.....W\nW........W\nW........W\nW........W\nWWWWWWWWWW\n",
              picture(*pack, 0, 1));
    EXPECT_EQ(picture(*pack, 0, 1), picture(*pack, 0, 2));
}

TEST(GvBdcffParser, EveryObjectCommand) {
    const std::string objects = "[Objects]\n"
                                "Line=1 1 4 4 Diamond\n"
                                "Rectangle=8 5 6 1 Wall\n"
                                "FillRect=12 4 10 1 MagicWall\n"
                                "Raster=1 7 3 2 2 1 Boulder\n"
                                "Add=0 -1 Boulder Falling_Diamond\n"
                                "RandomFillC64=20 1 23 3 7 8 9 10 11 Space Amoeba 100 Slime 20\n"
                                "Point=5 7 None\n"
                                "[/Objects]\n";
    auto pack =
        parseOk(bd("Size=25 10\nCaveTime=1 1 1 1 1 1\nDiamondsRequired=1 1 1 1 1 1\n" + objects,
                   "Levels=6\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    ASSERT_EQ(5u, def.commands.size());
    const auto* rectangle = dynamic_cast<const GvCmdRectLine*>(def.commands[1].get());
    ASSERT_NE(nullptr, rectangle);
    // Corners given in either order are put in order.
    EXPECT_EQ(6, rectangle->x1());
    EXPECT_EQ(1, rectangle->y1());
    EXPECT_EQ(8, rectangle->x2());
    EXPECT_EQ(5, rectangle->y2());
    const auto* fill = dynamic_cast<const GvCmdRectFill*>(def.commands[2].get());
    ASSERT_NE(nullptr, fill);
    EXPECT_EQ(10, fill->x1());
    EXPECT_EQ(GvPackedObjectType::magic_wall, fill->fill());
    const auto* raster = dynamic_cast<const GvCmdRectDot*>(def.commands[3].get());
    ASSERT_NE(nullptr, raster);
    EXPECT_EQ(3, raster->columns());
    EXPECT_EQ(2, raster->rows());
    EXPECT_EQ(2, raster->columnStep());
    EXPECT_EQ(1, raster->rowStep());
    const auto* add = dynamic_cast<const GvCmdParasite*>(def.commands[4].get());
    ASSERT_NE(nullptr, add);
    EXPECT_EQ(24, add->x2());
    EXPECT_EQ(9, add->y2());
    EXPECT_EQ(GvPackedObjectType::boulder, add->host());
    EXPECT_EQ(GvPackedObjectType::diamond_f, add->parasite());
    EXPECT_EQ(-1, add->dy());

    // One seeded fill per level; levels past the fifth keep the fifth seed.
    const int seeds[] = {7, 8, 9, 10, 11, 11};
    for (int w = 0; w < 6; ++w) {
        const auto& list = def.variant(w)->commands;
        ASSERT_EQ(2u, list.size()) << w;
        const auto* iso = dynamic_cast<const GvCmdIsoRandomFill*>(list[0].get());
        ASSERT_NE(nullptr, iso) << w;
        EXPECT_EQ(seeds[w], iso->seed());
        EXPECT_EQ(GvPackedObjectType::space, iso->fill());
        EXPECT_EQ((std::vector<GvCmdRandomFill::Entry>{{GvPackedObjectType::amoeba, 100},
                                                       {GvPackedObjectType::slime, 20}}),
                  iso->entries());
        EXPECT_NE(nullptr, dynamic_cast<const GvCmdSet*>(list[1].get()));
    }
    EXPECT_NE(picture(*pack, 0, 0), picture(*pack, 0, 1));
    EXPECT_EQ(picture(*pack, 0, 4), picture(*pack, 0, 5));
    // The boulders of the raster each grew a falling diamond above them.
    const std::string level = picture(*pack, 0, 0);
    EXPECT_EQ(" D D D ", level.substr(26 * 6, 7));
}

TEST(GvBdcffParser, ObjectSectionErrors) {
    const std::string unknown = bd(kTimes + "[Objects]\n  Circle =1 2 3 Dirt\n[/Objects]\n");
    EXPECT_EQ((Messages{syntaxOn(unknown, "Circle"), "Unknown object command 'Circle'."}),
              errors(unknown));
    const std::string nested = bd(kTimes + "[Objects]\n[Map]\n[/Objects]\n");
    EXPECT_EQ((Messages{syntaxOn(nested, "[Map]"), "Expected End of Objects section."}),
              errors(nested));
    const std::string inLevel = bd(kTimes + "[Objects]\n[Level=1]\n[/Objects]\n");
    EXPECT_EQ((Messages{syntaxOn(inLevel, "[/Objects]"), "Expected End of Level section."}),
              errors(inLevel));
    const std::string open = "[BDCFF]\n[Game]\n[Cave]\n" + kTimes + "[Objects]\n[Level=1]\n";
    EXPECT_EQ((Messages{"Syntax error on line 7.", "Expected End of Level section."}),
              errors(open));
    const std::string level = bd(kTimes + "[Objects]\n[Level=1,11]\n[/Level]\n[/Objects]\n");
    EXPECT_EQ(
        Messages{"Parameter 2 on line " + std::to_string(lineOf(level, "[Level")) + " is invalid."},
        errors(level));
    const std::string point = bd(kTimes + "[Objects]\nPoint=1 1001 Dirt\n[/Objects]\n");
    EXPECT_EQ(
        Messages{"Parameter 2 on line " + std::to_string(lineOf(point, "Point")) + " is invalid."},
        errors(point));
    const std::string count = bd(kTimes + "[Objects]\nFillRect=1 1 2\n[/Objects]\n");
    EXPECT_EQ(Messages{"Wrong number of values on line " +
                       std::to_string(lineOf(count, "FillRect")) + "."},
              errors(count));
}

TEST(GvBdcffParser, RandomFillKeyFillsBelowTheTopRowAndAddsABorder) {
    auto pack = parseOk(bd("Size=8 5\n" + kTimes +
                           "RandomFill=Boulder 40 Diamond 20\nInitialFill=Space\nRandSeed=9\n"));
    ASSERT_NE(nullptr, pack);
    const GvCaveDef& def = *pack->cave(0);
    ASSERT_EQ(2u, def.commands.size());
    const auto* fill = dynamic_cast<const GvCmdRandomFill*>(def.commands[0].get());
    ASSERT_NE(nullptr, fill);
    EXPECT_EQ(0, fill->x1());
    EXPECT_EQ(1, fill->y1());
    EXPECT_EQ(7, fill->x2());
    EXPECT_EQ(4, fill->y2());
    // The initial fill is the cave's, even when given after the random fill.
    EXPECT_EQ(GvPackedObjectType::space, fill->fill());
    const auto* border = dynamic_cast<const GvCmdRectLine*>(def.commands[1].get());
    ASSERT_NE(nullptr, border);
    EXPECT_EQ(GvPackedObjectType::steel_wall, border->object());
    EXPECT_EQ(7, border->x2());
    EXPECT_EQ(9, def.variant(0)->unpack_seed);
    EXPECT_EQ(GvWrapMode::none, def.wrap);
}

TEST(GvBdcffParser, DemoSection) {
    auto pack =
        parseOk(bd(kTimes + "[Demo]\nr5 r3 .2\n\nU1 D1 L1 R1 u1 d1 l1 ; comment\n[/Demo]\n"));
    ASSERT_NE(nullptr, pack);
    const std::vector<GvDemoStep> expected = {{8, 8},  {0, 2}, {17, 1}, {18, 1}, {20, 1},
                                              {24, 1}, {1, 1}, {2, 1},  {4, 1}};
    EXPECT_EQ(expected, pack->cave(0)->variant(0)->demo);

    const std::string zero = bd(kTimes + "[Demo]\nr5 u0\n[/Demo]\n");
    EXPECT_EQ(Messages{"Invalid value on line " + std::to_string(lineOf(zero, "u0")) + "."},
              errors(zero));
    const std::string letter = bd(kTimes + "[Demo]\nx5\n[/Demo]\n");
    EXPECT_EQ((Messages{syntaxOn(letter, "x5"), "Unknown demo command 'x'."}), errors(letter));
    const std::string bare = bd(kTimes + "[Demo]\nr5 u\n[/Demo]\n");
    EXPECT_EQ(Messages{syntaxOn(bare, "r5 u")}, errors(bare));
    const std::string open = "[BDCFF]\n[Game]\n[Cave]\n" + kTimes + "[Demo]\nr1\n";
    EXPECT_EQ((Messages{"Syntax error on line 7.", "Expected End of Demo section."}), errors(open));
}

TEST(GvBdcffParser, FileStructureErrors) {
    EXPECT_EQ((Messages{"Syntax error on line 1.", "Expected BDCFF section."}), errors("[Game]\n"));
    EXPECT_EQ((Messages{"Syntax error on line 0.", "Expected BDCFF section."}), errors(""));
    EXPECT_EQ(Messages{"MapCodes are not supported."},
              errors("[BDCFF]\n[Game]\n[MapCodes]\n[/MapCodes]\n[/Game]\n[/BDCFF]\n"));
    EXPECT_EQ((Messages{"Syntax error on line 3.", "Expected Section keyword."}),
              errors("[BDCFF]\n[Game]\n[Highscore\n[/Game]\n[/BDCFF]\n"));
    EXPECT_EQ(Messages{"Syntax error on line 3."},
              errors("[BDCFF]\n[Game]\n[/Cave]\n[/Game]\n[/BDCFF]\n"));
    EXPECT_EQ((Messages{"Syntax error on line 3.", "Expected End of Game section."}),
              errors("[BDCFF]\n[Game]\nName=x\n"));
    EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected End of Game section."}),
              errors("[BDCFF]\n[Game]\n[Cave]\nName=x\n"));
    EXPECT_EQ((Messages{"Syntax error on line 2.", "Expected End of BDCFF section."}),
              errors("[BDCFF]\n[Cave]\n[/Cave]\n[/BDCFF]\n"));
    EXPECT_EQ((Messages{"Syntax error on line 4.", "Expected End of Highscore section."}),
              errors("[BDCFF]\n[Game]\n[Highscore]\n1 Someone\n"));
    // A skipped section must close the sections nested in it first.
    EXPECT_EQ((Messages{"Syntax error on line 5.", "Expected End of Inner section."}),
              errors("[BDCFF]\n[Game]\n[Highscore]\n[Inner]\n[/Highscore]\n"));
}

TEST(GvBdcffParser, FilesFromTheWildLoad) {
    // CR LF line ends, trailing spaces, comments, keys this reader does not use,
    // unknown sections (nested, also inside caves) and sections in lower case.
    const std::string text =
        "; written by some editor\r\n\r\n[BDCFF]  \r\nVersion=0.5\r\n"
        "[game] ; the game\r\nName = Wild pack  \r\nAuthor=Someone\r\nWWW=site\r\n"
        "Date=2000\r\nDescription=Found\r\nCharset=Original\r\nFontset=Original\r\n"
        "[Highscore]\r\n1000 Nobody\r\n[Level=2]\r\n[/Level]\r\n[/Highscore]\r\n"
        "[CAVE]\r\nName=First \r\nSize=4 4\r\nDiamondValue=10\r\nCaveTime=150 \t\r\n"
        "DiamondsRequired=12\r\nColors=000000 111111\r\n[Sound]\r\n[Effect]\r\n[/effect]\r\n"
        "[/Sound]\r\n[map]\r\nWWWW\r\nWP.W\r\nW.XW\r\nWWWW\r\n[/MAP]\r\n[/cave]\r\n"
        "[/Game]\r\n[/BDCFF]\r\nanything after the end\r\n[Whatever\r\n";
    auto pack = parseOk(text);
    ASSERT_NE(nullptr, pack);
    EXPECT_EQ("Wild pack", pack->name);
    EXPECT_EQ("Someone", pack->author);
    EXPECT_EQ("site", pack->web);
    EXPECT_EQ("2000", pack->date);
    EXPECT_EQ("Found", pack->description);
    ASSERT_EQ(1, pack->caveCount());
    EXPECT_EQ("First", pack->cave(0)->name);
    EXPECT_EQ(12, pack->cave(0)->variant(0)->diamond_quota);
    EXPECT_EQ(0u, picture(*pack, 0, 0).find("WWWW\nWP.W\nW.XW\nWWWW\n"));

    // The closing line of the file may be missing.
    EXPECT_NE(nullptr, parseOk("[BDCFF]\n[Game]\n[Cave]\n" + kTimes + "[/Cave]\n[/Game]\n"));
}

TEST(GvBdcffParser, HeaderOnlyStopsAtTheFirstCave) {
    Messages messages;
    auto pack =
        parse("[BDCFF]\n[Game]\nName=Head\nLevels=4\n[Cave]\nSize=1\n[Oops\n", messages, true);
    ASSERT_NE(nullptr, pack);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ("Head", pack->name);
    EXPECT_EQ(4, pack->variant_count);
    EXPECT_EQ(0, pack->caveCount());
}

TEST(GvBdcffParser, DrawingThatWouldStallLoadingIsRefused) {
    std::string objects = "[Objects]\n";
    for (int i = 0; i < 30; ++i) {
        objects += "RandomFillC64=0 0 999 999 1 2 3 4 5 Dirt\n";
    }
    const std::string text = bd(kTimes + objects + "[/Objects]\n");
    // Twenty fills of a million cells each fit; the twenty-first does not.
    const int first = lineOf(text, "RandomFillC64");
    EXPECT_EQ(Messages{"Too many drawing commands on line " + std::to_string(first + 20) + "."},
              errors(text));
}

TEST(GvBdcffParser, MoreCommandsThanTheTextFormatAllowsAreRefused) {
    // Every level holds its own copy: 100 000 points in ten levels are the most.
    std::string objects = "[Objects]\n";
    for (int i = 0; i <= 100000; ++i) {
        objects += "Point=1 1 Dirt\n";
    }
    const std::string ten = "1 1 1 1 1 1 1 1 1 1\n";
    const std::string text =
        bd("CaveTime=" + ten + "DiamondsRequired=" + ten + objects + "[/Objects]\n", "Levels=10\n");
    const int first = lineOf(text, "Point");
    EXPECT_EQ(Messages{"Too many drawing commands on line " + std::to_string(first + 100000) + "."},
              errors(text));
}

TEST(GvBdcffParser, LoadsThroughDetectionAndFromAFile) {
    auto file = OrbFileStream::open(GRAVIK_TEST_DATA "/bd/every_key.bd", false);
    ASSERT_NE(nullptr, file);
    Messages messages;
    auto pack = loadLevelPack(*file, &messages, false);
    ASSERT_NE(nullptr, pack) << (messages.empty() ? "" : messages.front());
    EXPECT_EQ("Every key", pack->name);
    EXPECT_EQ(5, pack->variant_count);
    ASSERT_EQ(3, pack->caveCount());
    // The intermission is lettered after the normal caves.
    EXPECT_EQ("A", pack->cave(0)->code);
    EXPECT_EQ("C", pack->cave(1)->code);
    EXPECT_EQ("B", pack->cave(2)->code);
    EXPECT_TRUE(pack->cave(1)->bonus);
    EXPECT_FALSE(pack->demoLevels().empty());
    for (int level = 0; level < pack->levelCount(); ++level) {
        const GvCaveVariant& v = *pack->variant(level % 3, level / 3);
        EXPECT_GE(v.tick_rate, 6.0f) << level;
        EXPECT_LE(v.tick_rate, 10.0f) << level;
    }
}

TEST(GvBdcffConverter, EveryKindOfObjectHasItsCost) {
    using T = GvPackedObjectType;
    // A 10 × 10 block of one kind in a 20 × 20 grid of dirt, with the expected
    // tenths of a tick per second worked out by hand.
    struct Case {
        std::vector<T> kinds;
        int delay;
        int amoebaLimit;
        int expected;
    };
    const Case cases[] = {
        {{T::firefly_l, T::firefly_u, T::firefly_r, T::firefly_d}, 0, 0, 80}, // 126 000
        {{T::butterfly_l, T::butterfly_u, T::butterfly_r, T::butterfly_d}, 0, 0, 80},
        {{T::boulder, T::boulder_f, T::diamond, T::diamond_f}, 0, 0, 98},     // 103 000
        {{T::slime}, 0, 0, 92},                                               // 109 000
        {{T::growing_wall, T::growing_wall_h, T::growing_wall_v}, 10, 0, 74}, // 135 600
        {{T::amoeba}, 0, 100, 88}, // 114 000: no room left to grow
        {{T::amoeba}, 0, 300, 79}, // 127 000
        {{T::dirt, T::brick_wall, T::steel_wall, T::magic_wall, T::bomb, T::voodoo_doll},
         0,
         0,
         100},
        {{T::space}, 100, 0, 60}, // 454 000 would be 2.3: the clock is never slower than 6
    };
    for (const Case& c : cases) {
        GvUnpackGrid grid(20, 20);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool block = x >= 5 && x < 15 && y >= 5 && y < 15;
                grid.setCell(x, y, block ? c.kinds[(x + y) % c.kinds.size()] : T::dirt);
            }
        }
        EXPECT_EQ(c.expected, GvBdcffConverter::tickRateTenths(grid, c.delay, c.amoebaLimit))
            << packedObjectKeyword(c.kinds[0]);
    }
}
