#include "PackMoves.h"
#include "PackPlayer.h"
#include "PackSolutions.h"
#include "PackStats.h"
#include "PackToolTestSupport.h"

#include "formats/GvCorruptException.h"
#include "levelpack/GvCaveDef.h"
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvLevelPack.h"
#include "standard/GvStandardPack.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

// A copy of embedded data that a test may damage.
struct DataCopy {
    std::vector<unsigned char> bytes;
    OrbEmbeddedData data;

    explicit DataCopy(const OrbEmbeddedData& original)
        : bytes(original.bytes, original.bytes + original.compressedSize), data{bytes.data(),
                                                                                bytes.size(),
                                                                                original.size} {}
};

std::vector<unsigned char> compressed(const std::string& text) {
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::vector<unsigned char> bytes(size);
    EXPECT_EQ(Z_OK, compress(bytes.data(), &size, reinterpret_cast<const Bytef*>(text.data()),
                             static_cast<uLong>(text.size())));
    bytes.resize(size);
    return bytes;
}

} // namespace

TEST(StandardPack, LoadsFromTheEmbeddedData) {
    const OrbEmbeddedData& data = gvStandardPackData();
    EXPECT_GT(data.size, data.compressedSize);
    std::vector<std::string> messages;
    const auto pack = loadStandardPack(&messages);
    ASSERT_NE(nullptr, pack);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(pack->cave(0)->bonus);
    EXPECT_FALSE(pack->variant(0, 0)->locked);
    // A copy that is intact loads just the same.
    DataCopy copy(data);
    const auto again = loadEmbeddedLevelPack(copy.data);
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(pack->levelCount(), again->levelCount());
    EXPECT_EQ(pack->levelDigest(pack->levelCount() - 1),
              again->levelDigest(again->levelCount() - 1));
}

TEST(StandardPack, DamagedCopiesAreCorrupt) {
    const OrbEmbeddedData& data = gvStandardPackData();
    {
        DataCopy copy(data);
        copy.bytes[copy.bytes.size() / 2] ^= 0x5a;
        EXPECT_THROW(loadEmbeddedLevelPack(copy.data), GvCorruptException);
    }
    {
        // The checksum at the end no longer matches.
        DataCopy copy(data);
        copy.bytes.back() ^= 1;
        EXPECT_THROW(loadEmbeddedLevelPack(copy.data), GvCorruptException);
    }
    {
        DataCopy copy(data);
        copy.data.compressedSize -= 10;
        EXPECT_THROW(loadEmbeddedLevelPack(copy.data), GvCorruptException);
    }
    for (const std::size_t size : {data.size - 1, data.size + 1, std::size_t{0}}) {
        DataCopy copy(data);
        copy.data.size = size;
        EXPECT_THROW(loadEmbeddedLevelPack(copy.data), GvCorruptException) << size;
    }
}

TEST(StandardPack, DataThatInflatesButIsNoPackIsCorrupt) {
    for (const std::string& text :
         {std::string("not a level pack\n"), std::string("gravik 3\ncave 5, 4\n{\n\tset 1\n}\n"),
          std::string("gravik 3\ncave 5, 4\n{\n\tbonus\n}\n")}) {
        const std::vector<unsigned char> bytes = compressed(text);
        const OrbEmbeddedData data{bytes.data(), bytes.size(), text.size()};
        std::vector<std::string> messages;
        EXPECT_THROW(loadEmbeddedLevelPack(data, &messages), GvCorruptException) << text;
        // The reader's reason is kept for whoever wants to show it.
        EXPECT_EQ(1u, messages.size()) << text;
    }
}

TEST(StandardPack, CheckAndVerifyPassThroughTheTool) {
    const PackRun check = runPack({"check", "@standard"});
    EXPECT_EQ(0, check.code) << check.err;
    EXPECT_EQ(0u, check.out.find("ok: "));

    const PackRun verify =
        runPack({"verify", "@standard", "--solutions", GRAVIK_STANDARD_SOLUTIONS, "--strict"});
    EXPECT_EQ(0, verify.code) << verify.out << verify.err;
    EXPECT_NE(std::string::npos, verify.out.find("levels without a completed solution: none\n"));
}

TEST(StandardPack, EveryLevelHasASolutionAndEveryDemoCompletes) {
    const auto pack = loadStandardPack();
    std::vector<PackSolution> solutions;
    std::string error;
    ASSERT_TRUE(PackSolutions::read(GRAVIK_STANDARD_SOLUTIONS, *pack, solutions, error)) << error;

    std::vector<int> solved(static_cast<std::size_t>(pack->levelCount()), 0);
    for (const PackSolution& solution : solutions) {
        PackPlayer::Outcome outcome;
        ASSERT_TRUE(PackPlayer::play(*pack, solution.level, solution.moves, outcome, error));
        EXPECT_EQ(GvWorldState::Completed, outcome.state) << pack->levelCode(solution.level);
        EXPECT_GE(outcome.diamonds, outcome.quota) << pack->levelCode(solution.level);
        ++solved[static_cast<std::size_t>(solution.level)];
    }
    for (int level = 0; level < pack->levelCount(); ++level) {
        EXPECT_EQ(1, solved[static_cast<std::size_t>(level)])
            << pack->levelCode(level) << " needs exactly one solution";
    }

    const std::vector<int> demos = pack->demoLevels();
    EXPECT_FALSE(demos.empty());
    for (const int level : demos) {
        PackPlayer::Outcome outcome;
        ASSERT_TRUE(
            PackPlayer::play(*pack, level, PackMoves::fromDemo(pack->demo(level)), outcome, error));
        EXPECT_TRUE(outcome.completed()) << pack->levelCode(level);
    }
}

// The pack must keep asking for work: quotas of at least half the diamonds to be
// had, time limits that the stored solutions (not the fastest runs) fill more and
// more from variant to variant, and caves about making diamonds that cannot be
// finished from the diamonds lying in them.
TEST(StandardPack, EveryLevelKeepsItsPressure) {
    const auto pack = loadStandardPack();
    std::vector<PackSolution> solutions;
    std::string error;
    ASSERT_TRUE(PackSolutions::read(GRAVIK_STANDARD_SOLUTIONS, *pack, solutions, error)) << error;
    std::vector<PackLevelStats> stats;
    ASSERT_TRUE(PackStats::collect(*pack, solutions, stats, error)) << error;

    // Butterflies, magic walls and amoeba make the diamonds in these caves.
    const std::vector<std::string> makers = {"D", "E", "F", "O", "P", "Q", "V", "X"};
    for (int c = 0; c < pack->caveCount(); ++c) {
        const GvCaveDef& cave = *pack->cave(c);
        double previous = 0.0;
        for (int v = 0; v < pack->variantCount(); ++v) {
            const PackLevelStats& level = stats[std::size_t(v * pack->caveCount() + c)];
            const double share = level.timeShare();
            ASSERT_GE(level.ticksUsed, 0) << level.code;
            EXPECT_GE(2 * level.quota, level.reachable()) << level.code;
            if (cave.bonus) {
                EXPECT_GE(share, 0.60) << level.code;
            } else {
                EXPECT_GT(share, previous) << level.code;
                if (v == 0) {
                    EXPECT_GE(share, 0.30) << level.code;
                }
                if (v == pack->variantCount() - 1) {
                    EXPECT_GE(share, 0.55) << level.code;
                }
            }
            if (std::count(makers.begin(), makers.end(), cave.code) > 0 && v >= 2) {
                EXPECT_GT(level.quota, level.diamonds) << level.code;
            }
            previous = share;
        }
    }
}

// Caves of many sizes, and at least half of the normal ones laid out by hand.
TEST(StandardPack, CavesDifferInSizeAndLayout) {
    const auto pack = loadStandardPack();
    int normal = 0;
    int drawn = 0;
    int large = 0;
    int smallest = 40 * 22;
    for (int c = 0; c < pack->caveCount(); ++c) {
        const GvCaveDef& cave = *pack->cave(c);
        EXPECT_LE(cave.width, 80) << cave.code;
        EXPECT_LE(cave.height, 40) << cave.code;
        large += cave.width * cave.height > 40 * 22 ? 1 : 0;
        if (cave.bonus) {
            continue;
        }
        ++normal;
        smallest = std::min(smallest, cave.width * cave.height);
        const bool random =
            std::any_of(cave.commands.begin(), cave.commands.end(), [](const auto& command) {
                return dynamic_cast<const GvCmdRandomFill*>(command.get()) != nullptr;
            });
        drawn += random ? 0 : 1;
    }
    EXPECT_GE(large, 4);
    EXPECT_GE(2 * drawn, normal);
    EXPECT_LT(smallest, 40 * 22);
}
