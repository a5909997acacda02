#include "GvSolver.h"

#include "PackPlayer.h"
#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"
#include "sim/GvWorld.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A one-variant pack around one cave given as rows of raw characters. The rows
// are drawn inside the steel border that every cave gets.
std::unique_ptr<GvLevelPack> packOf(const std::vector<std::string>& rows, int quota,
                                    const std::string& extra = "") {
    const int width = int(rows.front().size()) + 2;
    const int height = int(rows.size()) + 2;
    std::string text = "gravik 3\ncave " + std::to_string(width) + ", " + std::to_string(height) +
                       "\n{\n" + extra + "\tdiamond_quota " + std::to_string(quota) +
                       "\n\tgame_ticks 600\n\tpre_game_ticks 4\n";
    for (std::size_t row = 0; row < rows.size(); ++row) {
        text += "\traw 1, " + std::to_string(row + 1) + ", \"" + rows[row] + "\"\n";
    }
    text += "}\n";
    OrbMemoryStream stream(text);
    std::vector<std::string> messages;
    auto pack = loadLevelPack(stream, &messages, false);
    EXPECT_NE(nullptr, pack) << (messages.empty() ? text : messages.front());
    return pack;
}

// Plays the found input the way the verifier does, independently of the search.
bool replaysToCompletion(const GvLevelPack& pack, const GvSolver::Result& result) {
    PackPlayer::Outcome outcome;
    std::string error;
    return PackPlayer::play(pack, 0, GvSolver::toRecording(result.inputs), outcome, error) &&
           outcome.completed();
}

GvSolver::Options quickOptions() {
    GvSolver::Options options;
    options.maxSeconds = 20.0;
    options.maxSegments = 3000;
    return options;
}

} // namespace

TEST(GvSolver, CollectsTheQuotaAndLeavesInPlainCaves) {
    // Straight on; round a wall; the out box only opens after the last diamond.
    const std::vector<std::vector<std::string>> caves = {
        {"P..d..d..X", ".........."},
        {"P...w..d..", "....w.....", "d...w...X.", "......w..."},
        {"d........d", ".wwwwwwww.", ".w  P   w.", ".wwww.www.", "X........d"},
    };
    const int quotas[] = {2, 2, 3};
    for (std::size_t i = 0; i < caves.size(); ++i) {
        const auto pack = packOf(caves[i], quotas[i]);
        ASSERT_NE(nullptr, pack);
        GvSolver solver(*pack, 0, quickOptions());
        const GvSolver::Result result = solver.solve();
        ASSERT_TRUE(result.solved) << "cave " << i;
        EXPECT_TRUE(replaysToCompletion(*pack, result)) << "cave " << i;
        // Runs of the recording never repeat the input of the run before.
        const GvInputRecording runs = GvSolver::toRecording(result.inputs);
        long long ticks = 0;
        for (std::size_t r = 0; r < runs.size(); ++r) {
            ticks += runs[r].count;
            if (r > 0) {
                EXPECT_NE(runs[r - 1].moves, runs[r].moves);
            }
        }
        EXPECT_EQ(static_cast<long long>(result.inputs.size()), ticks);
    }
}

TEST(GvSolver, DoesNotWalkDownFromUnderAStone) {
    // Going straight down from the in box lets the stone above follow and crush
    // the player; a way round exists on either side.
    const auto pack = packOf({".r...", ".P...", ".....", ".....", ".d..X"}, 1);
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    const GvSolver::Result result = solver.solve();
    ASSERT_TRUE(result.solved);
    EXPECT_TRUE(replaysToCompletion(*pack, result));
    // The first move after hatching is not down.
    for (const GvInputBits bits : result.inputs) {
        if (bits != 0) {
            EXPECT_NE(kInputDown, bits);
            break;
        }
    }
}

TEST(GvSolver, KeepsClearOfFireflies) {
    // A firefly circles in the open room the player has to cross; touching it
    // or passing beside it at the wrong moment is fatal.
    const auto pack = packOf(
        {"P.........", "..........", "....  ....", "....1 ....", "..........", "d........X"}, 1);
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    const GvSolver::Result result = solver.solve();
    ASSERT_TRUE(result.solved);
    EXPECT_TRUE(replaysToCompletion(*pack, result));
}

TEST(GvSolver, DropsAStoneOnAButterflyWhenNoDiamondIsInReach) {
    // The only diamonds come from the butterfly in the steel shaft: dig out the
    // dirt under the stone and let it fall.
    const auto pack = packOf({"P........", "....r....", "........X", "...W W...", "...W W...",
                              "...W W...", "...W8W...", "...WWW..."},
                             2);
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    const GvSolver::Result result = solver.solve();
    ASSERT_TRUE(result.solved);
    EXPECT_TRUE(replaysToCompletion(*pack, result));
}

TEST(GvSolver, FindsTheWayOutAcrossAWrappingEdge) {
    // A steel wall splits the cave; only the open sides connect the halves.
    const auto pack =
        packOf({"..P.W.d...", "....W.....", "....W..X..", "....W....."}, 1,
               "\twrap horizontal\n\tline 0, 1, 0, 4, dirt\n\tline 11, 1, 11, 4, dirt\n");
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    const GvSolver::Result result = solver.solve();
    ASSERT_TRUE(result.solved);
    EXPECT_TRUE(replaysToCompletion(*pack, result));
}

TEST(GvSolver, ReportsACaveThatCannotBeCompleted) {
    // One diamond short: the second lies sealed in steel.
    const auto unsolvable = packOf({"P..d...X", "........", "..WWW...", "..WdW..."}, 2);
    ASSERT_NE(nullptr, unsolvable);
    GvSolver::Options options = quickOptions();
    options.maxSegments = 300;
    GvSolver solver(*unsolvable, 0, options);
    const GvSolver::Result result = solver.solve();
    EXPECT_FALSE(result.solved);
    EXPECT_TRUE(result.inputs.empty());
    EXPECT_EQ(1, result.bestDiamonds);
    EXPECT_FALSE(result.bestInputs.empty());

    // No way to the out box at all.
    const auto sealed = packOf({"P..d.WWW", ".....WXW", ".....WWW"}, 1);
    ASSERT_NE(nullptr, sealed);
    GvSolver sealedSolver(*sealed, 0, options);
    EXPECT_FALSE(sealedSolver.solve().solved);
}

TEST(GvSolver, StepPlaysExactlyOneTickWithTheGivenInput) {
    const auto pack = packOf({"P..d..X", "......."}, 1);
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    std::unique_ptr<GvWorld> world = solver.replay({});
    ASSERT_NE(nullptr, world);
    for (int tick = 1; tick <= 8; ++tick) {
        GvSolver::stepWith(*world, tick > 5 ? kInputRight : 0);
        EXPECT_EQ(tick, world->tick_count);
    }
    // Hatched in tick 5, then three steps right, the last onto the diamond.
    EXPECT_EQ(GvWorldState::Playing, world->state);
    EXPECT_EQ(4, world->player_col);
    EXPECT_EQ(1, world->diamonds_collected);
    // A rebuilt world with the same input stands in the same place.
    const std::unique_ptr<GvWorld> again =
        solver.replay({0, 0, 0, 0, 0, kInputRight, kInputRight, kInputRight});
    EXPECT_EQ(world->player_col, again->player_col);
    EXPECT_EQ(world->tick_count, again->tick_count);
}

TEST(GvSolver, GoalsPutTheNearestDiamondFirstAndTheOpenExitAheadOfAll) {
    const auto pack = packOf({"P.d....d.X", ".........."}, 1);
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    std::unique_ptr<GvWorld> world = solver.replay({0, 0, 0, 0, 0});
    ASSERT_EQ(GvWorldState::Playing, world->state);

    std::vector<GvSolver::Goal> goals = solver.goals(*world);
    ASSERT_GE(goals.size(), 3u);
    EXPECT_EQ(GvSolver::GoalKind::diamond, goals[0].kind);
    EXPECT_EQ(3, goals[0].col);
    EXPECT_EQ(GvSolver::GoalKind::diamond, goals[1].kind);
    EXPECT_EQ(8, goals[1].col);
    EXPECT_LT(goals[0].cost, goals[1].cost);
    // Waiting is always the last resort.
    EXPECT_EQ(GvSolver::GoalKind::wait, goals.back().kind);

    // Two steps right collect the first diamond and meet the quota.
    GvSolver::stepWith(*world, kInputRight);
    GvSolver::stepWith(*world, kInputRight);
    ASSERT_EQ(1, world->diamonds_collected);
    goals = solver.goals(*world);
    ASSERT_FALSE(goals.empty());
    EXPECT_EQ(GvSolver::GoalKind::exit, goals[0].kind);
    EXPECT_EQ(10, goals[0].col);
}

TEST(GvSolver, DigsUnderLooseObjectsOnlyWhenNoDiamondIsInReach) {
    // The diamond behind the steel is out of reach; the stone over the dirt
    // cell at (4, 3) is the only thing left to try.
    const auto pack = packOf({"P.......", "...r....", "........", "WWWWWW..", "dW..WX.."}, 1);
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    const std::unique_ptr<GvWorld> world = solver.replay({0, 0, 0, 0, 0});
    const std::vector<GvSolver::Goal> goals = solver.goals(*world);
    ASSERT_FALSE(goals.empty());
    EXPECT_EQ(GvSolver::GoalKind::dig, goals[0].kind);
    EXPECT_EQ(4, goals[0].col);
    EXPECT_EQ(3, goals[0].row);
}

TEST(GvSolver, BlastsAVaultOpenWithABombAndKeepsClearOfTheFuse) {
    // The diamonds lie in a brick vault; the bomb above it lights when it
    // drops onto the roof, and the blast opens the roof.
    const auto pack =
        packOf({"P.........", "....b.....", "..........", "...www....", "...wdw....", "...www...X"},
               1, "\tbomb_ticks 5\n");
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    const GvSolver::Result result = solver.solve();
    ASSERT_TRUE(result.solved);
    EXPECT_TRUE(replaysToCompletion(*pack, result));
}

TEST(GvSolver, PushesAStoneOutOfTheOnlyWay) {
    // The stone stands over the one way down; pushing it right into the empty
    // cells beside it opens the way.
    const auto pack = packOf({"WWWWWWWW", "P.r  WWW", "WW.WWWWW", "d...X..."}, 1);
    ASSERT_NE(nullptr, pack);
    GvSolver solver(*pack, 0, quickOptions());
    const GvSolver::Result result = solver.solve();
    ASSERT_TRUE(result.solved);
    EXPECT_TRUE(replaysToCompletion(*pack, result));
}
