#include "levelpack/GvCaveCommand.h"
#include "levelpack/GvCmdFiller.h"
#include "levelpack/GvCmdIsoRandomFill.h"
#include "levelpack/GvCmdLine.h"
#include "levelpack/GvCmdParasite.h"
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectDot.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdRectLine.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvCmdStyle.h"
#include "levelpack/GvMd5.h"
#include "levelpack/GvUnpackGrid.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvLevelPackRandomStream.h"

#include "LevelpackTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using T = GvPackedObjectType;

// Runs commands in order on a fresh grid with one scripted stream.
static std::string draw(int width, int height, const std::vector<const GvCaveCommand*>& commands) {
    GvUnpackGrid grid(width, height);
    ScriptedStream stream({});
    for (const GvCaveCommand* command : commands) {
        command->apply(grid, stream);
    }
    return gridPicture(grid);
}

static std::string draw(int width, int height, const GvCaveCommand& command) {
    return draw(width, height, std::vector<const GvCaveCommand*>{&command});
}

TEST(GvCaveCommandShapes, SetDrawsOneCellAndClips) {
    EXPECT_EQ(draw(3, 2, GvCmdSet(1, 1, T::diamond)), "   \n d \n");
    EXPECT_EQ(draw(3, 2, GvCmdSet(3, 1, T::diamond)), "   \n   \n");
    EXPECT_EQ(draw(3, 2, GvCmdSet(-1, 0, T::diamond)), "   \n   \n");
}

TEST(GvCaveCommandShapes, StraightAndDiagonalLinesIncludeBothEnds) {
    EXPECT_EQ(draw(6, 3, GvCmdLine(1, 1, 4, 1, T::brick_wall)), "      \n wwww \n      \n");
    // Drawn backwards, the same cells.
    EXPECT_EQ(draw(6, 3, GvCmdLine(4, 1, 1, 1, T::brick_wall)), "      \n wwww \n      \n");
    EXPECT_EQ(draw(3, 4, GvCmdLine(1, 3, 1, 0, T::steel_wall)), " W \n W \n W \n W \n");
    EXPECT_EQ(draw(4, 4, GvCmdLine(3, 0, 0, 3, T::boulder)), "   r\n  r \n r  \nr   \n");
    EXPECT_EQ(draw(3, 3, GvCmdLine(1, 1, 1, 1, T::dirt)), "   \n . \n   \n");
}

TEST(GvCaveCommandShapes, SteepLinesFinishOneStepBeyondTheShorterAxis) {
    // From (0,0) to (4,2): the rows run out first, overshoot to row 3 and wait
    // there while the columns finish.
    EXPECT_EQ(draw(6, 5, GvCmdLine(0, 0, 4, 2, T::dirt)),
              ".     \n .    \n  .   \n   .. \n      \n");
    // From (0,0) to (1,3): the columns overshoot to column 2.
    EXPECT_EQ(draw(4, 5, GvCmdLine(0, 0, 1, 3, T::dirt)), ".   \n .  \n  . \n  . \n    \n");
}

TEST(GvCaveCommandShapes, RectLineDrawsTheOutline) {
    EXPECT_EQ(draw(6, 5, GvCmdRectLine(1, 0, 4, 3, T::magic_wall)),
              " MMMM \n M  M \n M  M \n MMMM \n      \n");
    EXPECT_EQ(draw(4, 3, GvCmdRectLine(1, 1, 1, 1, T::magic_wall)), "    \n M  \n    \n");
}

TEST(GvCaveCommandShapes, RectFillBordersAndFills) {
    EXPECT_EQ(draw(5, 4, GvCmdRectFill(0, 0, 4, 3, T::steel_wall, T::dirt)),
              "WWWWW\nW...W\nW...W\nWWWWW\n");
    EXPECT_EQ(draw(5, 4, GvCmdRectFill(1, 1, 3, 2, T::boulder, T::boulder)),
              "     \n rrr \n rrr \n     \n");
    // A fill of "none" keeps what was inside.
    GvCmdRectFill dirt(0, 0, 4, 2, T::dirt, T::dirt);
    GvCmdRectFill frame(0, 0, 4, 2, T::steel_wall, T::none);
    EXPECT_EQ(draw(5, 3, {&dirt, &frame}), "WWWWW\nW...W\nWWWWW\n");
    // Empty ranges draw nothing.
    EXPECT_EQ(draw(3, 2, GvCmdRectFill(2, 0, 1, 1, T::dirt, T::dirt)), "   \n   \n");
}

TEST(GvCaveCommandShapes, TheStandardBorderFillsA40By30Cave) {
    GvUnpackGrid grid(40, 30);
    ScriptedStream stream({});
    GvCmdRectFill(0, 0, 39, 29, T::steel_wall, T::dirt).apply(grid, stream);
    int steel = 0, dirt = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool edge = x == 0 || y == 0 || x == 39 || y == 29;
            EXPECT_EQ(grid.typeAt(x, y), edge ? T::steel_wall : T::dirt) << x << "," << y;
            (grid.typeAt(x, y) == T::steel_wall ? steel : dirt)++;
        }
    }
    EXPECT_EQ(steel, 2 * 40 + 2 * 28);
    EXPECT_EQ(dirt, 38 * 28);
}

TEST(GvCaveCommandShapes, RectDotDrawsALattice) {
    EXPECT_EQ(draw(7, 4, GvCmdRectDot(1, 0, 3, 2, 2, 3, T::diamond)),
              " d d d \n       \n       \n d d d \n");
    EXPECT_EQ(draw(3, 2, GvCmdRectDot(0, 0, 0, 5, 1, 1, T::diamond)), "   \n   \n");
}

TEST(GvCaveCommandShapes, RawDrawsARunAndLeavesNoneCellsAlone) {
    GvCmdRectFill dirt(0, 0, 4, 0, T::dirt, T::dirt);
    GvCmdRaw raw(1, 0, {T::boulder, T::none, T::diamond, T::space, T::firefly_l});
    EXPECT_EQ(draw(5, 1, {&dirt, &raw}), ".r.d \n");
    EXPECT_EQ(draw(3, 1, GvCmdRaw(-1, 0, {T::boulder, T::diamond, T::bomb})), "db \n");
}

TEST(GvCaveCommandShapes, ParasiteReadsItsOwnWrites) {
    GvCmdRectFill dirt(0, 0, 5, 1, T::dirt, T::dirt);
    GvCmdSet seed(1, 0, T::amoeba);
    GvCmdParasite spread(0, 0, 5, 0, T::amoeba, 1, 0, T::amoeba);
    EXPECT_EQ(draw(6, 2, {&dirt, &seed, &spread}), ".aaaaa\n......\n");

    // A different parasite only marks the cells next to the hosts it finds.
    GvCmdSet host(2, 0, T::boulder);
    GvCmdParasite below(0, 0, 5, 1, T::boulder, 0, 1, T::diamond);
    EXPECT_EQ(draw(6, 2, {&dirt, &host, &below}), "..r...\n..d...\n");

    // Cells of the rectangle outside the grid count as no host: only (0, 0)
    // drives a write, even though (-1, 0) would aim inside.
    GvCmdParasite outside(-3, 0, 0, 0, T::space, 1, 1, T::bomb);
    EXPECT_EQ(draw(3, 2, outside), "   \n b \n");
}

TEST(GvCaveCommandStyles, StyleAffectsOnlyLaterDrawing) {
    GvUnpackGrid grid(3, 1);
    ScriptedStream stream({});
    GvCmdSet(0, 0, T::dirt).apply(grid, stream);
    GvCmdStyle(T::dirt, 4).apply(grid, stream);
    GvCmdSet(1, 0, T::dirt).apply(grid, stream);
    GvCmdSet(2, 0, T::steel_wall).apply(grid, stream);
    EXPECT_EQ(grid.styleAt(0, 0), 0);
    EXPECT_EQ(grid.styleAt(1, 0), 4);
    EXPECT_EQ(grid.styleAt(2, 0), 0);
    EXPECT_EQ(gridPicture(grid), "..W\n");
}

TEST(GvCaveCommandStyles, FillerTakesTheStyleInForceAndDrawsNothing) {
    GvUnpackGrid grid(2, 1);
    ScriptedStream stream({});
    GvCmdStyle(T::brick_wall, 2).apply(grid, stream);
    GvCmdFiller(T::brick_wall).apply(grid, stream);
    GvCmdStyle(T::brick_wall, 4).apply(grid, stream);
    EXPECT_EQ(grid.fillerType(), static_cast<int>(T::brick_wall));
    EXPECT_EQ(grid.fillerStyle(), 2);
    EXPECT_EQ(gridPicture(grid), "  \n");
    EXPECT_EQ(stream.calls(), 0u);
}

TEST(GvCaveCommandRandom, TheSmallestThresholdAboveTheByteWins) {
    const GvCmdRandomFill boulderFirst(0, 0, 0, 0, T::dirt, {{T::boulder, 55}, {T::diamond, 62}});
    const GvCmdRandomFill diamondFirst(0, 0, 0, 0, T::dirt, {{T::diamond, 62}, {T::boulder, 55}});
    for (const GvCmdRandomFill* fill : {&boulderFirst, &diamondFirst}) {
        EXPECT_EQ(fill->choose(0), T::boulder);
        EXPECT_EQ(fill->choose(54), T::boulder);
        EXPECT_EQ(fill->choose(55), T::diamond);
        EXPECT_EQ(fill->choose(61), T::diamond);
        EXPECT_EQ(fill->choose(62), T::dirt);
        EXPECT_EQ(fill->choose(255), T::dirt);
    }
    // Ties go to the earlier entry; a threshold of 0 never wins.
    const GvCmdRandomFill tie(0, 0, 0, 0, T::dirt,
                              {{T::bomb, 0}, {T::boulder, 10}, {T::diamond, 10}});
    EXPECT_EQ(tie.choose(0), T::boulder);
    EXPECT_EQ(tie.choose(9), T::boulder);
    EXPECT_EQ(tie.choose(10), T::dirt);
}

TEST(GvCaveCommandRandom, FillUsesTheLowByteOfEachValueRowByRow) {
    GvUnpackGrid grid(3, 2);
    ScriptedStream stream({0x1234500, 0xff, 0x100 + 30, 70, 0, 200});
    GvCmdRandomFill(0, 0, 2, 1, T::dirt, {{T::boulder, 50}, {T::diamond, 100}}).apply(grid, stream);
    EXPECT_EQ(gridPicture(grid), "r.r\ndr.\n");
    EXPECT_EQ(stream.calls(), 6u);
}

TEST(GvCaveCommandRandom, ClippedCellsStillConsumeTheirBytes) {
    // The same fill drawn half outside a small grid and wholly inside a large
    // one gives the same objects in the cells both share, and leaves the stream
    // at the same point.
    const std::vector<GvCmdRandomFill::Entry> entries = {{T::boulder, 60}, {T::diamond, 120}};
    GvUnpackGrid small(4, 3);
    GvLevelPackRandomStream smallStream(7);
    GvCmdRandomFill(-2, -1, 3, 2, T::dirt, entries).apply(small, smallStream);

    GvUnpackGrid large(12, 12);
    GvLevelPackRandomStream largeStream(7);
    GvCmdRandomFill(3, 4, 8, 7, T::dirt, entries).apply(large, largeStream);

    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(small.typeAt(x, y), large.typeAt(x + 5, y + 5)) << x << "," << y;
        }
    }
    EXPECT_EQ(smallStream.next(), largeStream.next());

    // A fill entirely outside the grid draws nothing but still consumes.
    GvUnpackGrid untouched(2, 2);
    ScriptedStream counted({});
    GvCmdRandomFill(5, 5, 7, 6, T::boulder, {}).apply(untouched, counted);
    EXPECT_EQ(counted.calls(), 6u);
    EXPECT_EQ(gridPicture(untouched), "  \n  \n");
}

TEST(GvCaveCommandRandom, ChosenNoneLeavesTheCellButConsumesAByte) {
    GvUnpackGrid grid(3, 1);
    ScriptedStream stream({10, 200, 10, 99});
    GvCmdRectFill(0, 0, 2, 0, T::dirt, T::dirt).apply(grid, stream);
    GvCmdRandomFill(0, 0, 2, 0, T::none, {{T::diamond, 100}}).apply(grid, stream);
    EXPECT_EQ(gridPicture(grid), "d.d\n");
    EXPECT_EQ(stream.next(), 99u);
}

TEST(GvCaveCommandRandom, IsoFillUsesItsOwnStreamFromItsSeed) {
    const std::vector<GvCmdRandomFill::Entry> entries = {{T::boulder, 90}, {T::diamond, 130}};
    for (const int seed : {0, 42, 255, 256, 100000}) {
        GvUnpackGrid isoGrid(8, 6);
        ScriptedStream untouched({});
        GvCmdIsoRandomFill(0, 0, 7, 5, T::dirt, entries, seed).apply(isoGrid, untouched);
        EXPECT_EQ(untouched.calls(), 0u) << seed;

        GvUnpackGrid plainGrid(8, 6);
        const GvCmdRandomFill plain(0, 0, 7, 5, T::dirt, entries);
        if (seed < 256) {
            GvLevelPackRandomStream own(static_cast<std::uint8_t>(seed));
            plain.apply(plainGrid, own);
        } else {
            GvGamePlayRandomStream own(static_cast<std::uint32_t>(seed));
            plain.apply(plainGrid, own);
        }
        EXPECT_EQ(gridPicture(isoGrid), gridPicture(plainGrid)) << seed;
    }
    // The two generators draw different caves from 255 and 256.
    GvUnpackGrid low(8, 6), high(8, 6);
    ScriptedStream unused({});
    GvCmdIsoRandomFill(0, 0, 7, 5, T::dirt, entries, 255).apply(low, unused);
    GvCmdIsoRandomFill(0, 0, 7, 5, T::dirt, entries, 256).apply(high, unused);
    EXPECT_NE(gridPicture(low), gridPicture(high));
}

TEST(GvCaveCommandCopies, TranslateMovesPositionsOnly) {
    GvCmdLine line(0, 0, 5, 0, T::dirt);
    line.translate(3, 4);
    EXPECT_EQ(draw(10, 6, line),
              "          \n          \n          \n          \n   ...... \n          \n");

    GvCmdRectDot dots(0, 0, 2, 2, 3, 2, T::diamond);
    dots.translate(1, 1);
    EXPECT_EQ(draw(6, 5, dots), "      \n d  d \n      \n d  d \n      \n");

    // The parasite's rectangle moves, its own offset stays.
    GvCmdSet host(3, 1, T::boulder);
    GvCmdParasite parasite(0, 0, 1, 1, T::boulder, 0, 1, T::diamond);
    parasite.translate(2, 0);
    EXPECT_EQ(draw(4, 3, {&host, &parasite}), "    \n   r\n   d\n");

    GvCmdRaw raw(0, 0, {T::bomb, T::bomb});
    raw.translate(-1, 1);
    EXPECT_EQ(draw(3, 2, raw), "   \nb  \n");

    GvCmdRandomFill fill(0, 0, 0, 0, T::boulder, {});
    fill.translate(2, 1);
    EXPECT_EQ(draw(3, 2, fill), "   \n  r\n");

    GvCmdStyle style(T::dirt, 3);
    style.translate(5, 5);
    GvCmdSet dirt(0, 0, T::dirt);
    GvUnpackGrid grid(1, 1);
    ScriptedStream stream({});
    style.apply(grid, stream);
    dirt.apply(grid, stream);
    EXPECT_EQ(grid.styleAt(0, 0), 3);
}

TEST(GvCaveCommandCopies, TranslateStopsAtTheEndsOfTheIntRange) {
    // Offsets piled up by nested macro calls must not wrap a far-away position
    // around into the cave.
    GvCmdSet set(INT_MAX - 1, 0, T::bomb);
    set.translate(10, 0);
    set.translate(-(INT_MAX - 1), 0);
    EXPECT_EQ(draw(3, 1, set), " b \n");
}

TEST(GvCaveCommandCopies, ClonesAreIndependent) {
    const std::vector<std::unique_ptr<GvCaveCommand>> originals = [] {
        std::vector<std::unique_ptr<GvCaveCommand>> list;
        list.push_back(std::make_unique<GvCmdSet>(0, 0, T::dirt));
        list.push_back(std::make_unique<GvCmdLine>(0, 0, 1, 0, T::dirt));
        list.push_back(std::make_unique<GvCmdRectLine>(0, 0, 1, 1, T::dirt));
        list.push_back(std::make_unique<GvCmdRectFill>(0, 0, 1, 1, T::dirt, T::boulder));
        list.push_back(std::make_unique<GvCmdRectDot>(0, 0, 2, 1, 1, 1, T::dirt));
        list.push_back(std::make_unique<GvCmdRandomFill>(
            0, 0, 1, 0, T::dirt, std::vector<GvCmdRandomFill::Entry>{{T::boulder, 100}}));
        list.push_back(std::make_unique<GvCmdIsoRandomFill>(
            0, 0, 1, 0, T::dirt, std::vector<GvCmdRandomFill::Entry>{{T::boulder, 100}}, 5));
        list.push_back(std::make_unique<GvCmdParasite>(0, 0, 1, 1, T::space, 1, 0, T::dirt));
        list.push_back(std::make_unique<GvCmdRaw>(0, 0, std::vector<T>{T::dirt, T::bomb}));
        return list;
    }();
    for (const auto& original : originals) {
        const std::string before = draw(4, 4, *original);
        std::unique_ptr<GvCaveCommand> copy = original->clone();
        EXPECT_EQ(typeid(*copy), typeid(*original));
        EXPECT_EQ(draw(4, 4, *copy), before);
        copy->translate(1, 2);
        EXPECT_EQ(draw(4, 4, *original), before) << typeid(*original).name();
        EXPECT_NE(draw(4, 4, *copy), before) << typeid(*original).name();
    }
}

// Digest of a command's serialisation, and of the bytes it should be.
static GvMd5::Digest digestOf(const GvCaveCommand& command) {
    GvMd5 md5;
    command.serialise(md5);
    return md5.final();
}

static GvMd5::Digest digestOf(const std::vector<std::uint8_t>& bytes) {
    GvMd5 md5;
    md5.update(bytes.data(), bytes.size());
    return md5.final();
}

TEST(GvCaveCommandDigest, SerialisationLayouts) {
    EXPECT_EQ(digestOf(GvCmdSet(1, -2, T::diamond)),
              digestOf({0, 0, 0, 0, 1, 0xff, 0xff, 0xff, 0xfe, 6}));
    EXPECT_EQ(digestOf(GvCmdLine(1, 2, 3, 4, T::dirt)),
              digestOf({1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 1}));
    EXPECT_EQ(digestOf(GvCmdRectLine(0, 0, 300, 1, T::steel_wall)),
              digestOf({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 44, 0, 0, 0, 1, 10}));
    EXPECT_EQ(digestOf(GvCmdRectFill(0, 0, 39, 21, T::steel_wall, T::dirt)),
              digestOf({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 39, 0, 0, 0, 21, 10, 1}));
    EXPECT_EQ(
        digestOf(GvCmdRectDot(1, 2, 3, 4, 5, 6, T::bomb)),
        digestOf({4, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0, 6, 8}));
    const std::vector<std::uint8_t> fillBytes = {5, 0, 0, 0, 1, 0, 0, 0,  2, 0,  0,  0,
                                                 3, 0, 0, 0, 4, 1, 4, 55, 6, 62, 27, 255};
    const std::vector<GvCmdRandomFill::Entry> entries = {
        {T::boulder, 55}, {T::diamond, 62}, {T::none, 255}};
    EXPECT_EQ(digestOf(GvCmdRandomFill(1, 2, 3, 4, T::dirt, entries)), digestOf(fillBytes));
    std::vector<std::uint8_t> isoBytes = {8};
    isoBytes.insert(isoBytes.end(), fillBytes.begin(), fillBytes.end());
    EXPECT_EQ(digestOf(GvCmdIsoRandomFill(1, 2, 3, 4, T::dirt, entries, 77)), digestOf(isoBytes));
    EXPECT_EQ(digestOf(GvCmdParasite(1, 2, 3, 4, T::boulder, -1, 1, T::diamond)),
              digestOf({6, 0, 0, 0, 1,    0,    0,    0,    2, 0, 0, 0, 3, 0,
                        0, 0, 4, 4, 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 1, 6}));
    EXPECT_EQ(digestOf(GvCmdRaw(1, 2, {T::dirt, T::none, T::voodoo_doll})),
              digestOf({7, 0, 0, 0, 1, 0, 0, 0, 2, 1, 27, 26}));
    // Looks do not enter the digest.
    EXPECT_EQ(digestOf(GvCmdFiller(T::brick_wall)), digestOf(std::vector<std::uint8_t>{}));
    EXPECT_EQ(digestOf(GvCmdStyle(T::dirt, 3)), digestOf(std::vector<std::uint8_t>{}));
}

TEST(GvCaveCommandDigest, IsoSeedDoesNotEnterButTheKindDoes) {
    const std::vector<GvCmdRandomFill::Entry> entries = {{T::boulder, 55}};
    const GvCmdIsoRandomFill one(0, 0, 3, 3, T::dirt, entries, 1);
    const GvCmdIsoRandomFill other(0, 0, 3, 3, T::dirt, entries, 999);
    const GvCmdRandomFill plain(0, 0, 3, 3, T::dirt, entries);
    EXPECT_EQ(digestOf(one), digestOf(other));
    EXPECT_NE(digestOf(one), digestOf(plain));
}
