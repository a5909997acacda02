#include "levelpack/GvLevelPack.h"

#include "levelpack/GvCmdFiller.h"
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvCmdStyle.h"
#include "levelpack/GvUnpackGrid.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvLevelPackRandomStream.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "LevelpackTestSupport.h"

#include <gtest/gtest.h>

using T = GvPackedObjectType;

// A pack of `caves` caves named "Cave 1", "Cave 2", ... of 6×4 cells.
static std::unique_ptr<GvLevelPack> makePack(int caves, int variants = 1) {
    auto pack = std::make_unique<GvLevelPack>();
    pack->variant_count = variants;
    for (int i = 0; i < caves; ++i) {
        auto def = pack->makeCave(6, 4);
        def->name = "Cave " + std::to_string(i + 1);
        pack->caves.push_back(std::move(def));
    }
    pack->assignCaveCodes();
    return pack;
}

static std::string kindPicture(const GvWorld& world) {
    return GvWorldText::format(world);
}

TEST(GvLevelPackCodes, OneLetterUpTo26Caves) {
    const auto pack = makePack(26);
    EXPECT_EQ(pack->cave(0)->code, "A");
    EXPECT_EQ(pack->cave(1)->code, "B");
    EXPECT_EQ(pack->cave(25)->code, "Z");
    EXPECT_EQ(pack->levelCode(2), "C-1");
}

TEST(GvLevelPackCodes, TwoLettersFrom27Caves) {
    const auto pack = makePack(28, 2);
    EXPECT_EQ(pack->cave(0)->code, "AA");
    EXPECT_EQ(pack->cave(1)->code, "AB");
    EXPECT_EQ(pack->cave(25)->code, "AZ");
    EXPECT_EQ(pack->cave(26)->code, "BA");
    EXPECT_EQ(pack->cave(27)->code, "BB");
    EXPECT_EQ(pack->levelCode(0), "AA1");
    EXPECT_EQ(pack->levelCode(28 + 26), "BA2");
}

TEST(GvLevelPackCodes, BonusCavesAreLetteredAfterTheNormalOnes) {
    const auto pack = makePack(5);
    pack->cave(1)->bonus = true;
    pack->cave(3)->bonus = true;
    pack->assignCaveCodes();
    EXPECT_EQ(pack->cave(0)->code, "A");
    EXPECT_EQ(pack->cave(2)->code, "B");
    EXPECT_EQ(pack->cave(4)->code, "C");
    EXPECT_EQ(pack->cave(1)->code, "D");
    EXPECT_EQ(pack->cave(3)->code, "E");
}

TEST(GvLevelPackLevels, LevelNumbersRunThroughCavesFirst) {
    const auto pack = makePack(5, 3);
    EXPECT_EQ(pack->levelCount(), 15);
    pack->variant(2, 1)->game_ticks = 777;
    pack->variant(2, 1)->commands.push_back(std::make_unique<GvCmdSet>(1, 1, T::diamond));

    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(7, world));
    EXPECT_EQ(world.level_number, 7);
    EXPECT_EQ(world.level_code, "C-2");
    EXPECT_EQ(world.display_name, "Cave 3");
    EXPECT_EQ(world.game_ticks, 777);
    EXPECT_EQ(kindPicture(world), "      \n d    \n      \n      \n");
}

TEST(GvLevelPackLevels, LevelsOutsideThePackAreRefused) {
    const auto pack = makePack(2, 2);
    GvWorld world;
    world.level_code = "untouched";
    EXPECT_FALSE(pack->buildLevel(-1, world));
    EXPECT_FALSE(pack->buildLevel(4, world));
    EXPECT_FALSE(pack->buildCaveVariant(2, 0, world));
    EXPECT_FALSE(pack->buildCaveVariant(0, 2, world));
    EXPECT_EQ(world.level_code, "untouched");

    const GvLevelPack empty;
    EXPECT_EQ(empty.levelCount(), 0);
    EXPECT_FALSE(empty.buildLevel(0, world));
    EXPECT_TRUE(empty.demo(0).empty());
    EXPECT_TRUE(empty.demoLevels().empty());
}

TEST(GvLevelPackLevels, BlankNamesBecomeCaveAndTheCode) {
    const auto pack = makePack(4);
    pack->cave(0)->name = "  \tDeep Hall \r\n";
    pack->cave(1)->name = "";
    pack->cave(2)->name = " \t\r\n ";
    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(0, world));
    EXPECT_EQ(world.display_name, "Deep Hall");
    ASSERT_TRUE(pack->buildLevel(1, world));
    EXPECT_EQ(world.display_name, "Cave B");
    ASSERT_TRUE(pack->buildLevel(2, world));
    EXPECT_EQ(world.display_name, "Cave C");
}

TEST(GvLevelPackFindByName, IgnoresLetterCaseAndTakesTheFirst) {
    const auto pack = makePack(3);
    pack->cave(2)->name = "cave 1";
    EXPECT_EQ(pack->findCaveByName("CAVE 1"), pack->cave(0));
    EXPECT_EQ(pack->findCaveByName("cave 2"), pack->cave(1));
    EXPECT_EQ(pack->findCaveByName("cave"), nullptr);
    EXPECT_EQ(pack->findCaveByName("Cave 10"), nullptr);
}

TEST(GvLevelPackBuild, CopiesTheCaveAndVariantParameters) {
    auto pack = makePack(1, 2);
    GvCaveDef& def = *pack->cave(0);
    def.wrap = GvWrapMode::horizontal;
    def.view = GvPresentation::full;
    def.physics = GvPhysics::retro;
    def.bonus = true;
    GvCaveVariant& record = *def.variant(1);
    record.tick_rate = 8.5f;
    record.game_ticks = 1000;
    record.pre_game_ticks = 12;
    record.diamond_quota = 33;
    record.bomb_ticks = 7;
    record.amoeba_size_limit = 150;
    record.amoeba_slow_chance = 3;
    record.amoeba_fast_chance = 99;
    record.amoeba_slow_ticks = 444;
    record.magic_wall_ticks = 55;
    record.slime_permeability = 32768;
    record.world_seed = 12345;

    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(1, world));
    EXPECT_EQ(world.width, 6);
    EXPECT_EQ(world.height, 4);
    EXPECT_EQ(world.wrap, GvWrapMode::horizontal);
    EXPECT_EQ(world.presentation, GvPresentation::full);
    EXPECT_EQ(world.physics, GvPhysics::retro);
    EXPECT_TRUE(world.bonus);
    EXPECT_FLOAT_EQ(world.tick_rate, 8.5f);
    EXPECT_EQ(world.game_ticks, 1000);
    EXPECT_EQ(world.pre_game_ticks, 12);
    EXPECT_EQ(world.diamond_quota, 33);
    EXPECT_EQ(world.bomb_ticks, 7);
    EXPECT_EQ(world.amoeba_size_limit, 150);
    EXPECT_EQ(world.amoeba_chance, 3);
    EXPECT_EQ(world.amoeba_fast_chance, 99);
    EXPECT_EQ(world.amoeba_slow_ticks, 444);
    EXPECT_EQ(world.magic_wall_ticks, 55);
    EXPECT_EQ(world.slime_permeability, 32768);
    GvGamePlayRandomStream expected(12345);
    EXPECT_EQ(world.random.next(), expected.next());
    EXPECT_EQ(world.level_code, "A-2");
}

TEST(GvLevelPackBuild, VisibleAreaSetsTheViewUnlessItIsTheWholeCave) {
    auto pack = makePack(1);
    GvCaveDef& def = *pack->cave(0);
    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(0, world));
    EXPECT_FALSE(world.has_view);
    EXPECT_EQ(world.view_width, 6);
    EXPECT_EQ(world.view_height, 4);

    def.has_visible_area = true;
    def.visible_left = 0;
    def.visible_top = 0;
    def.visible_width = 6;
    def.visible_height = 4;
    ASSERT_TRUE(pack->buildLevel(0, world));
    EXPECT_FALSE(world.has_view);

    def.visible_left = 1;
    def.visible_top = 2;
    def.visible_width = 4;
    def.visible_height = 2;
    ASSERT_TRUE(pack->buildLevel(0, world));
    EXPECT_TRUE(world.has_view);
    EXPECT_EQ(world.view_left, 1);
    EXPECT_EQ(world.view_top, 2);
    EXPECT_EQ(world.view_width, 4);
    EXPECT_EQ(world.view_height, 2);
}

TEST(GvLevelPackBuild, EmptyCommandListsLeaveTheResetWorld) {
    const auto pack = makePack(1);
    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(0, world));
    EXPECT_EQ(kindPicture(world), "      \n      \n      \n      \n");
    EXPECT_EQ(world.filler_type, 0);
    EXPECT_EQ(world.player_col, 0);
    EXPECT_EQ(world.player_row, 0);
}

TEST(GvLevelPackBuild, CaveCommandsRunBeforeVariantCommandsWithStyles) {
    auto pack = makePack(1, 2);
    GvCaveDef& def = *pack->cave(0);
    def.commands.push_back(std::make_unique<GvCmdStyle>(T::steel_wall, 2));
    def.commands.push_back(std::make_unique<GvCmdRectFill>(0, 0, 5, 3, T::steel_wall, T::dirt));
    def.commands.push_back(std::make_unique<GvCmdSet>(1, 1, T::in_box));
    def.commands.push_back(std::make_unique<GvCmdFiller>(T::steel_wall));
    def.variant(1)->commands.push_back(std::make_unique<GvCmdSet>(1, 1, T::boulder));
    def.variant(1)->commands.push_back(std::make_unique<GvCmdSet>(4, 2, T::in_box));

    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(0, world));
    EXPECT_EQ(kindPicture(world), "WWWWWW\nWP...W\nW....W\nWWWWWW\n");
    EXPECT_EQ(world.cellAt(0, 0)->style(), 2);
    EXPECT_EQ(world.cellAt(2, 1)->style(), 0);
    EXPECT_EQ(world.filler_type, static_cast<int>(T::steel_wall));
    EXPECT_EQ(world.filler_style, 2);
    EXPECT_EQ(world.player_col, 1);
    EXPECT_EQ(world.player_row, 1);

    ASSERT_TRUE(pack->buildLevel(1, world));
    EXPECT_EQ(kindPicture(world), "WWWWWW\nWr...W\nW...PW\nWWWWWW\n");
    EXPECT_EQ(world.player_col, 4);
    EXPECT_EQ(world.player_row, 2);
}

TEST(GvLevelPackBuild, UnpackSeedChoosesTheDrawingStream) {
    const std::vector<GvCmdRandomFill::Entry> entries = {{T::boulder, 80}, {T::diamond, 120}};
    for (const int seed : {0, 255, 256, 99999}) {
        auto pack = makePack(1);
        pack->variant(0, 0)->unpack_seed = seed;
        // Two fills share the one stream: the second continues the sequence.
        pack->cave(0)->commands.push_back(
            std::make_unique<GvCmdRandomFill>(0, 0, 5, 1, T::dirt, entries));
        pack->variant(0, 0)->commands.push_back(
            std::make_unique<GvCmdRandomFill>(0, 2, 5, 3, T::dirt, entries));
        GvWorld world;
        ASSERT_TRUE(pack->buildLevel(0, world));

        GvUnpackGrid grid(6, 4);
        std::unique_ptr<GvRandomStream> stream;
        if (seed <= 255) {
            stream = std::make_unique<GvLevelPackRandomStream>(static_cast<std::uint8_t>(seed));
        } else {
            stream = std::make_unique<GvGamePlayRandomStream>(static_cast<std::uint32_t>(seed));
        }
        GvCmdRandomFill(0, 0, 5, 3, T::dirt, entries).apply(grid, *stream);
        // Same characters for the objects used here in both alphabets.
        EXPECT_EQ(kindPicture(world), gridPicture(grid)) << seed;
    }
}

// The raw-string characters of the pack format, read into commands the way the
// text reader does.
static GvPackedObjectType rawObject(char c) {
    static const std::string kChars = " .PXrRdDbBWwMGHV12345678asF-";
    return static_cast<GvPackedObjectType>(kChars.find(c));
}

static std::unique_ptr<GvCmdRaw> rawRow(int x, int y, const std::string& row) {
    std::vector<GvPackedObjectType> objects;
    for (const char c : row) {
        objects.push_back(rawObject(c));
    }
    return std::make_unique<GvCmdRaw>(x, y, std::move(objects));
}

TEST(GvLevelPackBuild, ABuiltLevelPrintsAsTheRowsThatDrewIt) {
    const std::vector<std::string> rows = {"WWWWWWWWWW", "W.PXrRdDbW", "WBwMGHV12W",
                                           "W345678asW", "WF  .. d W", "WWWWWWWWWW"};
    auto pack = std::make_unique<GvLevelPack>();
    auto def = pack->makeCave(10, 6);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        def->commands.push_back(rawRow(0, static_cast<int>(y), rows[y]));
    }
    pack->caves.push_back(std::move(def));
    pack->assignCaveCodes();

    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(0, world));
    std::string picture;
    for (const std::string& row : rows) {
        picture += row + "\n";
    }
    EXPECT_EQ(GvWorldText::format(world), picture);
    EXPECT_EQ(world.player_col, 2);
    EXPECT_EQ(world.player_row, 1);

    // "-" leaves what an earlier command drew.
    pack->cave(0)->commands.push_back(rawRow(1, 4, "-r-r"));
    ASSERT_TRUE(pack->buildLevel(0, world));
    EXPECT_EQ(GvWorldText::format(world).substr(44, 10), "WFr r. d W");
}

TEST(GvLevelPackDemos, DemoLevelsAreSortedLevelNumbers) {
    const auto pack = makePack(3, 2);
    pack->variant(2, 0)->appendDemoStep(8, 5);
    pack->variant(0, 1)->appendDemoStep(1, 2);
    pack->variant(1, 1)->appendDemoStep(0, 1);
    EXPECT_EQ(pack->demoLevels(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(pack->demo(3), (std::vector<GvDemoStep>{{1, 2}}));
    EXPECT_TRUE(pack->demo(0).empty());
    EXPECT_TRUE(pack->demo(6).empty());
}

TEST(GvLevelPackDemos, EqualConsecutiveStepsMerge) {
    GvCaveVariant record;
    record.appendDemoStep(8, 5);
    record.appendDemoStep(8, 3);
    record.appendDemoStep(17, 1);
    record.appendDemoStep(0, 0);
    record.appendDemoStep(8, 2);
    EXPECT_EQ(record.demo, (std::vector<GvDemoStep>{{8, 8}, {17, 1}, {8, 2}}));
}

static GvMd5::Digest digestOf(const GvLevelPack& pack, int level) {
    return pack.levelDigest(level);
}

TEST(GvLevelPackDigest, HasTheDocumentedLayout) {
    auto pack = makePack(1);
    pack->cave(0)->commands.push_back(std::make_unique<GvCmdSet>(1, 2, T::diamond));
    GvMd5 expected;
    const std::uint8_t bytes[] = {
        0, 0, 0, 0,                              // level
        0, 0, 0, 6,   0, 0,  0, 4,               // width, height
        0,                                       // physics (wrap none is not written)
        0, 0, 0, 60,                             // tick rate in tenths
        0, 0, 2, 208, 0, 0,  0, 24,              // game ticks, pre-game ticks
        0, 0, 0, 1,   0, 0,  0, 4,               // quota, bomb ticks
        0, 0, 0, 200, 8, 64,                     // amoeba size limit, slow and fast chance
        0, 0, 1, 104, 0, 0,  0, 120,             // amoeba slow ticks, magic wall ticks
        0, 1, 0, 0,   0, 0,  0, 0,   0, 0, 0, 0, // slime, world seed, unpack seed
        0, 0, 0, 0,   1, 0,  0, 0,   2, 6};      // set 1, 2, diamond
    expected.update(bytes, sizeof bytes);
    EXPECT_EQ(digestOf(*pack, 0), expected.final());

    // A wrap mode other than none adds its byte before the physics.
    pack->cave(0)->wrap = GvWrapMode::stepped;
    GvMd5 wrapped;
    wrapped.update(bytes, 12);
    wrapped.updateByte(4);
    wrapped.update(bytes + 12, sizeof bytes - 12);
    EXPECT_EQ(digestOf(*pack, 0), wrapped.final());
}

TEST(GvLevelPackDigest, NamesLooksAndDemosDoNotChangeIt) {
    auto pack = makePack(2, 2);
    pack->cave(1)->commands.push_back(
        std::make_unique<GvCmdRectFill>(0, 0, 5, 3, T::steel_wall, T::dirt));
    const GvMd5::Digest before = digestOf(*pack, 3);

    GvCaveDef& def = *pack->cave(1);
    def.name = "Renamed";
    def.description = "Other words";
    def.author = "Someone";
    def.code = "Q";
    def.view = GvPresentation::full;
    def.bonus = true;
    def.has_visible_area = true;
    def.visible_width = 2;
    def.variant(1)->locked = true;
    def.variant(1)->appendDemoStep(4, 10);
    def.commands.insert(def.commands.begin(), std::make_unique<GvCmdStyle>(T::dirt, 3));
    def.variant(1)->commands.push_back(std::make_unique<GvCmdFiller>(T::dirt));
    def.variant(1)->tick_rate = 6.04f;
    EXPECT_EQ(digestOf(*pack, 3), before);

    // Other levels and other variants are other content.
    EXPECT_NE(digestOf(*pack, 1), before);
    EXPECT_NE(digestOf(*pack, 2), digestOf(*pack, 0));
}

TEST(GvLevelPackDigest, ContentChangesChangeIt) {
    const auto base = makePack(1);
    const GvMd5::Digest before = digestOf(*base, 0);
    const auto changed = [&](auto&& change) {
        auto pack = makePack(1);
        change(*pack->cave(0), *pack->variant(0, 0));
        return digestOf(*pack, 0) != before;
    };
    EXPECT_TRUE(changed([](GvCaveDef&, GvCaveVariant& v) { v.tick_rate = 6.05f; }));
    EXPECT_FALSE(changed([](GvCaveDef&, GvCaveVariant& v) { v.tick_rate = 6.04f; }));
    EXPECT_TRUE(changed([](GvCaveDef& c, GvCaveVariant&) { c.width = 7; }));
    EXPECT_TRUE(changed([](GvCaveDef& c, GvCaveVariant&) { c.wrap = GvWrapMode::all; }));
    EXPECT_TRUE(changed([](GvCaveDef& c, GvCaveVariant&) { c.physics = GvPhysics::retro; }));
    EXPECT_TRUE(changed([](GvCaveDef&, GvCaveVariant& v) { v.game_ticks = 721; }));
    EXPECT_TRUE(changed([](GvCaveDef&, GvCaveVariant& v) { v.amoeba_fast_chance = 65; }));
    EXPECT_TRUE(changed([](GvCaveDef&, GvCaveVariant& v) { v.slime_permeability = 1; }));
    EXPECT_TRUE(changed([](GvCaveDef&, GvCaveVariant& v) { v.world_seed = 1; }));
    EXPECT_TRUE(changed([](GvCaveDef&, GvCaveVariant& v) { v.unpack_seed = 1; }));
    EXPECT_TRUE(changed([](GvCaveDef& c, GvCaveVariant&) {
        c.commands.push_back(std::make_unique<GvCmdSet>(0, 0, T::dirt));
    }));
    EXPECT_TRUE(changed([](GvCaveDef&, GvCaveVariant& v) {
        v.commands.push_back(std::make_unique<GvCmdSet>(0, 0, T::dirt));
    }));
}

// A flat pack: `groups` × 20 caves named "<letter>-<group>: Title <letter>".
static std::unique_ptr<GvLevelPack> makeFlatPack(int groups) {
    auto pack = std::make_unique<GvLevelPack>();
    for (int k = 0; k < groups; ++k) {
        for (int i = 0; i < 20; ++i) {
            auto def = pack->makeCave(10 + i, 12);
            const char letter = static_cast<char>('A' + i);
            def->name = std::string(1, letter) + "-" + std::to_string(k + 1) + ": Title " + letter;
            def->author = "Author " + std::to_string(i);
            def->physics = i == 3 ? GvPhysics::retro : GvPhysics::gravik_1;
            GvCaveVariant& record = *def->variant(0);
            record.game_ticks = 100 * (k + 1) + i;
            record.locked = true;
            record.appendDemoStep(8, k + 1);
            def->commands.push_back(std::make_unique<GvCmdSet>(k, 0, T::boulder));
            record.commands.push_back(std::make_unique<GvCmdSet>(k, 1, T::diamond));
            pack->caves.push_back(std::move(def));
        }
    }
    return pack;
}

TEST(GvLevelPackRegroup, TurnsGroupsOfTwentyIntoVariants) {
    auto pack = makeFlatPack(3);
    pack->regroupFlatPack();
    ASSERT_EQ(pack->caveCount(), 20);
    EXPECT_EQ(pack->variantCount(), 3);
    const GvCaveDef& def = *pack->cave(3);
    EXPECT_EQ(def.name, "Title D");
    EXPECT_EQ(def.author, "Author 3");
    EXPECT_EQ(def.width, 13);
    EXPECT_EQ(def.physics, GvPhysics::retro);
    EXPECT_TRUE(def.commands.empty());
    ASSERT_EQ(def.variantCount(), 3);
    for (int k = 0; k < 3; ++k) {
        const GvCaveVariant& record = *def.variant(k);
        EXPECT_EQ(record.game_ticks, 100 * (k + 1) + 3);
        EXPECT_FALSE(record.locked);
        EXPECT_EQ(record.demo, (std::vector<GvDemoStep>{{8, k + 1}}));
        EXPECT_EQ(record.commands.size(), 2u);
    }
    pack->assignCaveCodes();
    GvWorld world;
    ASSERT_TRUE(pack->buildLevel(3 + 2 * 20, world));
    EXPECT_EQ(world.level_code, "D-3");
    EXPECT_EQ(world.cellAt(2, 0)->kind(), GvObjectKind::boulder);
    EXPECT_EQ(world.cellAt(2, 1)->kind(), GvObjectKind::diamond);
    EXPECT_EQ(world.cellAt(0, 0)->kind(), GvObjectKind::space);
}

TEST(GvLevelPackRegroup, LeavesOtherPacksUnchanged) {
    const auto unchanged = [](auto&& spoil) {
        auto pack = makeFlatPack(2);
        spoil(*pack);
        const int caves = pack->caveCount();
        const int variants = pack->variantCount();
        const std::string firstName = pack->caves.empty() ? "" : pack->cave(0)->name;
        pack->regroupFlatPack();
        return pack->caveCount() == caves && pack->variantCount() == variants &&
               (pack->caves.empty() || pack->cave(0)->name == firstName);
    };
    EXPECT_FALSE(unchanged([](GvLevelPack&) {}));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.caves.pop_back(); }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.caves.clear(); }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(5)->name = "F1: Title F"; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(5)->name = "f-1: Title F"; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(5)->name = "F-0: Title F"; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(25)->name = "F-2: Title G"; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(25)->name = "G-2: Title F"; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(25)->height = 13; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(25)->wrap = GvWrapMode::all; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.cave(25)->bonus = true; }));
    EXPECT_TRUE(unchanged([](GvLevelPack& p) { p.variant_count = 2; }));
    // Physics may differ between the variants of a cave.
    EXPECT_FALSE(unchanged([](GvLevelPack& p) { p.cave(25)->physics = GvPhysics::retro; }));
}

TEST(GvLevelPackRegroup, ShortNamesLoseTheirPrefixSafely) {
    auto pack = makeFlatPack(2);
    pack->cave(0)->name = "A-1:";
    pack->cave(20)->name = "A-2:";
    pack->regroupFlatPack();
    ASSERT_EQ(pack->caveCount(), 20);
    EXPECT_EQ(pack->cave(0)->name, "");
}
