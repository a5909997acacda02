#include "sim/GvExplosionObject.h"
#include "sim/GvInBoxObject.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvOutBoxObject.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "sim/CaveSteps.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

static void setUp(GvWorld& world, const std::string& picture,
                  GvPhysics physics = GvPhysics::gravik_1, GvWrapMode wrap = GvWrapMode::none) {
    makeCave(world, picture, physics, wrap);
    world.findPlayer();
}

// One tick with `input` as the only input of that tick.
static void tickWith(GvWorld& world, GvInputBits input) {
    if ((input & kInputSnap) != 0)
        world.setKey(kInputSnap, true);
    if ((input & 15) != 0)
        world.setKey(input & 15, true);
    world.advance(1.0);
    world.setKey(31, false);
}

static const GvPlayerObject& playerAt(const GvWorld& world, int col, int row) {
    const auto* player = dynamic_cast<const GvPlayerObject*>(world.cellAt(col, row));
    if (player == nullptr)
        throw std::runtime_error("no player at the cell");
    return *player;
}

TEST(GvPlayerMoves, OneDirectionByPreferenceAndFacing) {
    GvWorld world;
    const std::string start = pic({"   ", " @ ", "   "});
    setUp(world, start);
    tickWith(world, kInputLeft | kInputUp);
    EXPECT_EQ(text(world), pic({"   ", "@  ", "   "}));
    EXPECT_EQ(playerAt(world, 0, 1).facing, 1);
    EXPECT_TRUE(world.events[1]);
    EXPECT_EQ(world.player_col, 0);
    EXPECT_EQ(world.player_row, 1);

    setUp(world, start);
    tickWith(world, kInputRight | kInputDown);
    EXPECT_EQ(text(world), pic({"   ", "  @", "   "}));
    EXPECT_EQ(playerAt(world, 2, 1).facing, 3);

    setUp(world, start);
    tickWith(world, kInputUp | kInputDown);
    EXPECT_EQ(text(world), pic({" @ ", "   ", "   "}));
    EXPECT_EQ(playerAt(world, 1, 0).facing, 0);

    setUp(world, start);
    tickWith(world, kInputDown);
    EXPECT_EQ(playerAt(world, 1, 2).facing, 2);

    // No direction: nothing happens and the player faces the front.
    setUp(world, start);
    tickWith(world, kInputLeft);
    tickWith(world, 0);
    EXPECT_EQ(text(world), pic({"   ", "@  ", "   "}));
    EXPECT_EQ(playerAt(world, 0, 1).facing, 2);
    EXPECT_FALSE(playerAt(world, 0, 1).walking);
    EXPECT_FALSE(world.events[1]);
}

TEST(GvPlayerMoves, EdgesWallsAndWrapping) {
    GvWorld world;
    // Beyond a closed edge the player only turns.
    setUp(world, pic({"@W"}));
    tickWith(world, kInputLeft);
    EXPECT_EQ(text(world), pic({"@W"}));
    EXPECT_EQ(playerAt(world, 0, 0).facing, 1);
    EXPECT_FALSE(playerAt(world, 0, 0).walking);
    tickWith(world, kInputRight);
    EXPECT_EQ(text(world), pic({"@W"}));
    EXPECT_EQ(playerAt(world, 0, 0).facing, 3);

    // Horizontal wrap: left from column 0 lands in the last column.
    setUp(world, pic({"@ W", "   "}), GvPhysics::gravik_1, GvWrapMode::horizontal);
    tickWith(world, kInputLeft);
    EXPECT_EQ(text(world), pic({"@ W", "   "})) << "the wall is in the way";
    setUp(world, pic({"@W ", "   "}), GvPhysics::gravik_1, GvWrapMode::horizontal);
    tickWith(world, kInputLeft);
    EXPECT_EQ(text(world), pic({" W@", "   "}));
    EXPECT_EQ(world.player_col, 2);
    EXPECT_EQ(world.player_row, 0);
}

TEST(GvPlayerMoves, StepIntoACellEmptiedEarlierInTheTick) {
    // The boulder left of the player falls out of the cell it wants.
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        setUp(world, pic({"Wr@W", "W WW", "WWWW"}), physics);
        tickWith(world, kInputLeft);
        if (physics == GvPhysics::gravik_1) {
            EXPECT_EQ(text(world), pic({"W @W", "WRWW", "WWWW"}));
            EXPECT_FALSE(world.events[1]);
        } else {
            EXPECT_EQ(text(world), pic({"W@ W", "WRWW", "WWWW"}));
            EXPECT_TRUE(world.events[1]);
        }
    }
}

TEST(GvPlayerDigs, DigAndSnapDirt) {
    GvWorld world;
    setUp(world, pic({"@..W"}));
    tickWith(world, kInputRight);
    EXPECT_EQ(text(world), pic({" @.W"}));
    EXPECT_TRUE(world.events[2]);
    EXPECT_FALSE(world.events[1]);
    ASSERT_EQ(world.vanish[0].size(), 1u);
    EXPECT_EQ(world.vanish[0][0].object->kind(), GvObjectKind::dirt);
    EXPECT_EQ(world.vanish[0][0].col, 1);
    EXPECT_TRUE(playerAt(world, 1, 0).walking);

    // Snapping empties the dirt cell and leaves the player in place.
    tickWith(world, kInputRight | kInputSnap);
    EXPECT_EQ(text(world), pic({" @ W"}));
    EXPECT_TRUE(world.events[2]);
    EXPECT_FALSE(playerAt(world, 1, 0).walking);
    EXPECT_EQ(playerAt(world, 1, 0).facing, 3);
    EXPECT_EQ(world.player_col, 1);

    // Snapping empty space does nothing.
    tickWith(world, kInputRight | kInputSnap);
    EXPECT_EQ(text(world), pic({" @ W"}));
    EXPECT_FALSE(world.events[1]);
    EXPECT_FALSE(world.events[2]);
}

TEST(GvPlayerCollects, WalkSnapQuotaAndFallingDiamonds) {
    GvWorld world;
    setUp(world, pic({"@ddd", "WWWW"}));
    world.diamond_quota = 2;
    world.clock_time = 12.5;
    tickWith(world, kInputRight);
    EXPECT_EQ(text(world), pic({" @dd", "WWWW"}));
    EXPECT_EQ(world.diamonds_collected, 1);
    EXPECT_TRUE(world.events[3]);
    EXPECT_FALSE(world.events[4]);
    EXPECT_FALSE(world.events[2]);
    ASSERT_EQ(world.vanish[1].size(), 1u);
    EXPECT_EQ(world.vanish[1][0].object->kind(), GvObjectKind::diamond);
    EXPECT_FLOAT_EQ(world.vanish[1][0].object->scale(), 0.0f) << "shrunk over the tick";
    EXPECT_DOUBLE_EQ(world.quota_flash_time, -1.0);

    // The quota diamond raises both events, snapped: the player stays.
    tickWith(world, kInputRight | kInputSnap);
    EXPECT_EQ(text(world), pic({" @ d", "WWWW"}));
    EXPECT_EQ(world.diamonds_collected, 2);
    EXPECT_TRUE(world.events[3]);
    EXPECT_TRUE(world.events[4]);
    EXPECT_DOUBLE_EQ(world.quota_flash_time, 12.5 + 0.08);
    ASSERT_EQ(world.vanish[1].size(), 1u);
    EXPECT_FLOAT_EQ(world.vanish[1][0].object->shiftX(), -1.0f) << "flew to the player";

    // More diamonds after the quota raise the collect event only.
    tickWith(world, kInputRight);
    tickWith(world, kInputRight);
    EXPECT_EQ(text(world), pic({"   @", "WWWW"}));
    EXPECT_EQ(world.diamonds_collected, 3);
    EXPECT_TRUE(world.events[3]);
    EXPECT_FALSE(world.events[4]);

    // A falling diamond cannot be collected and the player does not move.
    setUp(world, pic({"@D", " W"}));
    tickWith(world, kInputRight);
    EXPECT_EQ(text(world), pic({"@d", " W"}));
    EXPECT_EQ(world.diamonds_collected, 0);
    EXPECT_FALSE(world.events[3]);
    EXPECT_FALSE(playerAt(world, 0, 0).walking);
}

TEST(GvPlayerCollects, DiamondWrittenThisTickWaits) {
    // Explosion remains appear earlier in the scan than the player's turn; the
    // diamond can be collected from the next tick on, under either physics.
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        setUp(world, pic({" @", "WW"}), physics);
        world.placeObject(
            0, 0, std::make_unique<GvExplosionObject>(createObjectOfKind(GvObjectKind::diamond)));
        tickWith(world, 0);
        tickWith(world, 0);
        tickWith(world, kInputLeft);
        EXPECT_EQ(text(world), pic({"d@", "WW"}));
        EXPECT_EQ(world.diamonds_collected, 0);
        tickWith(world, kInputLeft);
        EXPECT_EQ(text(world), pic({"@ ", "WW"}));
        EXPECT_EQ(world.diamonds_collected, 1);
    }
}

// Sets the game-play random state so that its next draw has the wanted push outcome.
static void nextPushSucceeds(GvWorld& world, bool succeed) {
    for (std::uint32_t seed = 0;; ++seed) {
        GvGamePlayRandomStream probe(seed);
        if (((probe.next() & 3u) == 0) == succeed) {
            world.random.state = seed;
            return;
        }
    }
}

TEST(GvPlayerPushes, OneDrawPerAttemptOneChanceInFour) {
    GvWorld world;
    setUp(world, pic({"@r                              ", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"}));
    int moves = 0;
    int attempts = 0;
    while (moves < 6) {
        ASSERT_LT(attempts, 200);
        int playerCol = world.player_col;
        GvGamePlayRandomStream expected = world.random;
        const bool succeeds = (expected.next() & 3u) == 0;
        tickWith(world, kInputRight);
        ++attempts;
        EXPECT_EQ(world.random.state, expected.state) << "exactly one draw per attempt";
        const GvPlayerObject& player = playerAt(world, world.player_col, 0);
        EXPECT_TRUE(player.pushing);
        EXPECT_TRUE(player.walking);
        if (succeeds) {
            ++moves;
            EXPECT_EQ(world.player_col, playerCol + 1);
            EXPECT_TRUE(world.events[5]);
        } else {
            EXPECT_EQ(world.player_col, playerCol);
            EXPECT_FALSE(world.events[5]);
        }
        EXPECT_EQ(world.cellAt(world.player_col + 1, 0)->kind(), GvObjectKind::boulder);
    }
    // Rolled by one cell per push, to the right.
    EXPECT_GT(attempts, moves);
}

TEST(GvPlayerPushes, SnapPushBombAndBlockedPushes) {
    GvWorld world;
    // A snap push moves the bomb but not the player; a bomb raises its own event.
    setUp(world, pic({"@b ", "WWW"}));
    nextPushSucceeds(world, true);
    tickWith(world, kInputRight | kInputSnap);
    EXPECT_EQ(text(world), pic({"@ b", "WWW"}));
    EXPECT_TRUE(world.events[7]);
    EXPECT_TRUE(playerAt(world, 0, 0).pushing);

    // Nothing beyond (wall, edge): no draw, but the player leans on it.
    for (const std::string& start : {pic({"@rW", "WWW"}), pic({"@r", "WW"})}) {
        setUp(world, start);
        const std::uint32_t before = world.random.state;
        tickWith(world, kInputRight);
        EXPECT_EQ(text(world), start);
        EXPECT_EQ(world.random.state, before);
        EXPECT_TRUE(playerAt(world, 0, 0).pushing);
        EXPECT_TRUE(playerAt(world, 0, 0).walking);
    }

    // Up or down never pushes, and the player shows neither walking nor pushing.
    setUp(world, pic({"@", "r", " "}));
    const std::uint32_t before = world.random.state;
    tickWith(world, kInputDown);
    EXPECT_EQ(world.random.state, before);
    EXPECT_FALSE(playerAt(world, 0, 0).pushing);
    EXPECT_FALSE(playerAt(world, 0, 0).walking);

    // A falling boulder cannot be pushed and the player does not lean on it.
    setUp(world, pic({"@R ", "W W"}));
    const std::uint32_t unchanged = world.random.state;
    tickWith(world, kInputRight);
    EXPECT_FALSE(playerAt(world, 0, 0).pushing);
    EXPECT_FALSE(playerAt(world, 0, 0).walking);
    EXPECT_EQ(world.random.state, unchanged);
}

TEST(GvPlayerPushes, OverAGapOnlyUnderRetro) {
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        setUp(world, pic({"@r  ", "WW W", "WWWW"}), physics);
        // The boulder stands on steel; the cell beyond has a gap below it. That
        // is allowed under both.
        nextPushSucceeds(world, true);
        tickWith(world, kInputRight);
        EXPECT_EQ(text(world), pic({" @r ", "WW W", "WWWW"}));
        // Now the boulder stands over the gap, before its own turn to fall.
        nextPushSucceeds(world, true);
        const std::uint32_t before = world.random.state;
        tickWith(world, kInputRight);
        if (physics == GvPhysics::retro) {
            EXPECT_EQ(text(world), pic({"  @r", "WW W", "WWWW"}));
        } else {
            EXPECT_EQ(world.random.state, before) << "no draw when the push cannot happen";
            EXPECT_EQ(text(world), pic({" @  ", "WWRW", "WWWW"}));
        }
    }
}

TEST(GvPlayerPushes, CellBeyondEmptiedEarlierInTheTick) {
    // The boulder beyond falls out of the way earlier in the scan.
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        setUp(world, pic({"   ", "rr@", " WW", "WWW"}), physics);
        nextPushSucceeds(world, true);
        const std::uint32_t before = world.random.state;
        tickWith(world, kInputLeft);
        if (physics == GvPhysics::retro) {
            EXPECT_EQ(text(world), pic({"   ", "r@ ", "RWW", "WWW"}));
            EXPECT_TRUE(world.events[5]);
        } else {
            EXPECT_EQ(text(world), pic({"   ", " r@", "RWW", "WWW"}));
            EXPECT_EQ(world.random.state, before);
        }
    }
}

TEST(GvPlayerExits, OutBoxOpensTheTickAfterTheQuota) {
    GvWorld world;
    setUp(world, pic({"dX@", "WWW"}));
    world.diamond_quota = 1;
    // Before the quota the out box is a wall, snapped or walked into.
    tickWith(world, kInputLeft);
    EXPECT_EQ(text(world), pic({"dX@", "WWW"}));
    EXPECT_FALSE(world.exited);

    // Collect the quota from above; the out box opens from the next tick.
    setUp(world, pic({" d ", "@X ", "WWW"}));
    world.pre_game_ticks = 24; // still waiting to start when the player exits
    world.diamond_quota = 1;
    tickWith(world, kInputUp);
    tickWith(world, kInputRight);
    EXPECT_EQ(world.diamonds_collected, 1);
    EXPECT_FALSE(world.quota_reached);
    tickWith(world, kInputDown | kInputSnap);
    EXPECT_TRUE(world.quota_reached);
    EXPECT_EQ(text(world), pic({" @ ", " X ", "WWW"})) << "snapping does not enter";
    EXPECT_FALSE(world.exited);
    tickWith(world, kInputDown);
    EXPECT_EQ(text(world), pic({"   ", " @ ", "WWW"}));
    EXPECT_TRUE(world.exited);
    EXPECT_TRUE(playerAt(world, 1, 1).exited);
    EXPECT_EQ(playerAt(world, 1, 1).hitResponse(), 0);
    EXPECT_EQ(playerAt(world, 1, 1).blastResponse(), 0);
    ASSERT_EQ(world.vanish[0].size(), 1u);
    EXPECT_EQ(world.vanish[0][0].object->kind(), GvObjectKind::out_box);
    EXPECT_EQ(world.state, GvWorldState::PreGame);
    tickWith(world, 0);
    EXPECT_EQ(world.state, GvWorldState::Completed);
}

TEST(GvPlayerExits, QuotaReachedInTheSameTickIsNotYetOpen) {
    GvWorld world;
    setUp(world, pic({"d@X", "WWW"}));
    world.diamond_quota = 1;
    tickWith(world, kInputLeft | kInputSnap);
    EXPECT_EQ(world.diamonds_collected, 1);
    EXPECT_FALSE(world.quota_reached);
    tickWith(world, kInputRight);
    EXPECT_TRUE(world.exited);
}

TEST(GvBoxes, InBoxAndOutBoxFlash) {
    GvWorld world;
    setUp(world, pic({"PX"}));
    world.pre_game_ticks = 24; // the in box flashes while the cave waits
    world.diamond_quota = 1;
    const auto* in = dynamic_cast<const GvInBoxObject*>(world.cellAt(0, 0));
    const auto* out = dynamic_cast<const GvOutBoxObject*>(world.cellAt(1, 0));
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(out->flash);
    tickWith(world, 0);
    EXPECT_FALSE(in->flash); // tick 1 at (0, 0): odd
    EXPECT_TRUE(out->flash) << "keeps its look until the quota";
    tickWith(world, 0);
    EXPECT_TRUE(in->flash);
    EXPECT_TRUE(out->flash);
    world.diamonds_collected = 1;
    tickWith(world, 0); // tick 3 at (1, 0): even
    EXPECT_TRUE(out->flash);
    tickWith(world, 0);
    EXPECT_FALSE(out->flash);
    EXPECT_EQ(world.player_col, 0);
}

TEST(GvPlayerLooks, WalkingPhaseAndIdleLooks) {
    GvWorld world;
    setUp(world, pic({"@    ", "WWWWW"}));
    world.tick_rate = 4.0f;
    world.setKey(kInputRight, true);
    world.advance(0.125); // the due tick, then half a tick of animation
    const GvPlayerObject* player = &playerAt(world, 1, 0);
    EXPECT_TRUE(player->walking);
    EXPECT_NEAR(player->walk_phase, 0.5f / 3.0f, 1e-5) << "reset when walking began";
    EXPECT_NEAR(player->shiftX(), -0.5f, 1e-5) << "half way from the old cell";
    world.setKey(kInputRight, false);
    world.advance(0.125);
    EXPECT_NEAR(player->walk_phase, 1.0f / 3.0f, 1e-5);
    world.advance(0.25);
    player = &playerAt(world, 1, 0);
    EXPECT_FALSE(player->walking);
    EXPECT_FLOAT_EQ(player->walk_phase, 0.0f);
    EXPECT_GE(player->idle_phase, 0.0f);
    EXPECT_LT(player->idle_phase, 1.0f);

    // Idle looks come from the cosmetic state only, on even ticks.
    const std::uint32_t gamePlay = world.random.state;
    for (int i = 0; i < 40; ++i)
        world.advance(0.25);
    EXPECT_EQ(world.random.state, gamePlay);
    EXPECT_EQ(text(world), pic({" @   ", "WWWWW"}));
}

TEST(GvPlayerLooks, BlinkAndTapOnlyOnEvenIdleTicks) {
    GvWorld world;
    setUp(world, pic({"@ "}));
    auto* player = dynamic_cast<GvPlayerObject*>(world.cellAt(0, 0));
    ASSERT_NE(player, nullptr);
    // A cosmetic state whose next two values blink and toggle tapping.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        GvGamePlayRandomStream probe(seed);
        if ((probe.next() & 3u) == 0 && (probe.next() & 15u) == 0)
            break;
        ASSERT_LT(seed, 1000000u);
    }
    world.cosmetic_random.state = seed;
    world.tick_count = 3;
    player->tick(world, 0, 0, 0, false);
    EXPECT_FALSE(player->blinking) << "odd ticks change nothing";
    EXPECT_EQ(world.cosmetic_random.state, seed);
    world.tick_count = 4;
    player->idle_phase = 0.7f;
    player->tick(world, 0, 0, 0, false);
    EXPECT_TRUE(player->blinking);
    EXPECT_TRUE(player->tapping);
    EXPECT_FLOAT_EQ(player->idle_phase, 0.0f);
    // Moving ends both.
    world.tick_count = 6;
    player->tick(world, 0, 0, kInputRight, false);
    EXPECT_FALSE(player->blinking);
    EXPECT_FALSE(player->tapping);
}

TEST(GvPlayerLooks, DetachedPlayerOnlyKeepsItsLooks) {
    GvWorld world;
    setUp(world, pic({"@ "}));
    auto* player = dynamic_cast<GvPlayerObject*>(world.cellAt(0, 0));
    ASSERT_NE(player, nullptr);
    world.tick_count = 2;
    player->tick(world, 0, 0, kInputRight, true);
    EXPECT_EQ(text(world), pic({"@ "}));
    EXPECT_EQ(player->facing, 2);
    EXPECT_FALSE(player->blinking);
    EXPECT_FALSE(world.events[1]);
}

// The whole cave: the player hatches, digs under a boulder, collects the quota
// and leaves, all from a replayed input list.
TEST(GvWholeCave, PlayerHatchesCollectsAndLeaves) {
    GvWorld world;
    setUp(world, pic({"WWWWWWWWW", //
                      "W.r.....W", //
                      "WP..dd.XW", //
                      "W.......W", //
                      "WWWWWWWWW"}));
    world.diamond_quota = 2;
    world.pre_game_ticks = 24;
    world.game_ticks = 100;
    ASSERT_EQ(world.findPlayer(), GvObjectKind::in_box);
    world.startReplay({{0, 25}, {kInputRight, 6}, {0, 3}});
    for (int i = 0; i < 25; ++i)
        world.advance(1.0);
    EXPECT_EQ(world.state, GvWorldState::Playing);
    EXPECT_EQ(world.cellAt(1, 2)->kind(), GvObjectKind::player);
    for (int i = 0; i < 2; ++i)
        world.advance(1.0);
    // Dug out from under the boulder, which follows once the player has gone on.
    EXPECT_EQ(text(world), pic({"WWWWWWWWW", //
                                "W.r.....W", //
                                "W  @dd.XW", //
                                "W.......W", //
                                "WWWWWWWWW"}));
    world.advance(1.0);
    EXPECT_EQ(world.cellAt(2, 2)->kind(), GvObjectKind::boulder);
    EXPECT_EQ(world.diamonds_collected, 1);
    for (int i = 0; i < 3; ++i)
        world.advance(1.0);
    EXPECT_EQ(world.diamonds_collected, 2);
    EXPECT_TRUE(world.exited);
    EXPECT_EQ(text(world), pic({"WWWWWWWWW", //
                                "W. .....W", //
                                "W r    @W", //
                                "W.......W", //
                                "WWWWWWWWW"}));
    world.advance(1.0);
    EXPECT_EQ(world.state, GvWorldState::Completed);
    const int frozenAt = world.tick_count;
    world.advance(5.0);
    EXPECT_EQ(world.tick_count, frozenAt);
    EXPECT_EQ(world.input_record, (GvInputRecording{{0, 25}, {kInputRight, 6}}));
}
