#include "sim/GvBombObject.h"
#include "sim/GvBoulderObject.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvFallingObjectBase.h"
#include "sim/GvMagicWallObject.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "sim/CaveSteps.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

TEST(GvFalling, FallsIntoSpaceAndStopsOnWhatIsNotRounded) {
    GvWorld world;
    // A resting boulder over a gap starts to fall (event), keeps falling
    // (no event) and stops on dirt (event), which it leaves unharmed.
    makeCave(world, pic({"r", " ", " ", "."}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", "R", " ", "."}));
    EXPECT_TRUE(world.events[5]);
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", " ", "R", "."}));
    EXPECT_FALSE(world.events[5]);
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", " ", "r", "."}));
    EXPECT_TRUE(world.events[5]);

    // Steel wall and dirt are flat; brick wall is rounded. The bomb rolls off
    // unlit (it was not falling), falls on, and lights itself when it lands.
    makeCave(world, pic({"d r b  ", "W . w W"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"d rB   ", "W . w W"}));
    EXPECT_TRUE(world.events[7]);
    EXPECT_FALSE(world.events[5]);
    stepCave(world);
    EXPECT_EQ(text(world), pic({"d r    ", "W .Bw W"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"d r    ", "W .cw W"}));
    const auto* bomb = dynamic_cast<const GvBombObject*>(world.cellAt(3, 1));
    ASSERT_NE(bomb, nullptr);
    EXPECT_EQ(bomb->fuse_end, world.tick_count + world.bomb_ticks);
    EXPECT_TRUE(world.events[7]);
    EXPECT_TRUE(world.events[8]);
}

TEST(GvFalling, BoulderOnBoulderRollsLeftFirstThenRight) {
    GvWorld world;
    // Both side pairs blocked: it stays.
    makeCave(world, pic({"W r W", "W.r.W", "WWWWW"}));
    stepCave(world, 2);
    EXPECT_EQ(text(world), pic({"W r W", "W.r.W", "WWWWW"}));
    EXPECT_FALSE(world.events[5]);

    // Both pairs free: left wins; it moves sideways this tick and falls next.
    makeCave(world, pic({"W r W", "W r W", "WWWWW"}));
    const float before = world.cellAt(2, 0)->angle();
    stepCave(world);
    EXPECT_EQ(text(world), pic({"WR  W", "W r W", "WWWWW"}));
    EXPECT_TRUE(world.events[5]);
    stepCave(world);
    EXPECT_EQ(text(world), pic({"W   W", "WRr W", "WWWWW"}));
    // Rolling left turns it by two radians, fixed at the start of the next tick.
    float turned = before + GvFallingObjectBase::kRollDegrees;
    if (turned >= 360.0f)
        turned -= 360.0f;
    EXPECT_NEAR(world.cellAt(1, 1)->angle(), turned, 1e-3);

    // Only the right pair free: it rolls right.
    makeCave(world, pic({"W r W", "W.r W", "WWWWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"W  RW", "W.r W", "WWWWW"}));
}

TEST(GvFalling, FallingBoulderRollsOffRestingDiamondButNotOffFallingOne) {
    GvWorld world;
    // A resting diamond is rounded; the diamond below it is rounded too, so it rolls.
    makeCave(world, pic({" R ", " d ", "WWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"R  ", " d ", "WWW"}));
    // A falling diamond is not rounded: the boulder above it waits on top.
    makeCave(world, pic({" R ", " D ", " W "}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({" r ", " d ", " W "}));
}

TEST(GvFalling, StrikesFireflyButterflyBombAndPlayer) {
    GvWorld world;
    // Placed falling directly on a firefly: it strikes in the first tick.
    makeCave(world, pic({"WRW", "W1W", "WWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"W*W", "W*W", "WWW"}));
    EXPECT_TRUE(world.events[11]);
    EXPECT_TRUE(world.events[5]);
    stepCave(world, 3);
    EXPECT_EQ(text(world), pic({"W W", "W W", "WWW"})) << "a firefly leaves space";

    // Resting on a firefly it does no harm.
    makeCave(world, pic({"WrW", "W1W", "WWW"}));
    stepCave(world, 2);
    EXPECT_EQ(world.cellAt(1, 0)->kind(), GvObjectKind::boulder);
    EXPECT_EQ(world.cellAt(1, 1)->kind(), GvObjectKind::firefly);
    EXPECT_FALSE(world.events[11]);

    // Fallen one cell onto a butterfly: diamonds where the block was destructible.
    makeCave(world, pic({"WrW", "W W", "W5W", "WWW"}));
    stepCave(world);
    EXPECT_EQ(world.cellAt(1, 1)->kind(), GvObjectKind::boulder);
    EXPECT_EQ(world.cellAt(1, 2)->kind(), GvObjectKind::butterfly);
    stepCave(world);
    EXPECT_EQ(text(world), pic({"W W", "W*W", "W*W", "WWW"}));
    stepCave(world, 3);
    EXPECT_EQ(text(world), pic({"W W", "WdW", "WdW", "WWW"}));

    // Onto a resting bomb: the bomb is lit and the boulder rolls off it.
    makeCave(world, pic({" R ", " b ", "WWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"R  ", " c ", "WWW"}));

    // Onto the player: the player is killed.
    makeCave(world, pic({"WRW", "W@W", "WWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"W*W", "W*W", "WWW"}));

    // Onto a player that has gone into the exit: nothing happens.
    makeCave(world, pic({"WRW", "W W", "WWW"}));
    auto exitedPlayer = std::make_unique<GvPlayerObject>();
    exitedPlayer->exited = true;
    world.placeObject(1, 1, std::move(exitedPlayer));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"WrW", "W@W", "WWW"}));
    EXPECT_FALSE(world.events[11]);
}

TEST(GvFalling, StampedSideCellWaitsUnderGravik1ButNotRetro) {
    // The player steps up out of the cell beside the boulder earlier in the scan.
    const std::string start = pic({"W WWW", "W@rWW", "W wWW", "WWWWW"});
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        makeCave(world, start, physics);
        world.startReplay({{kInputUp, 1}, {0, 5}});
        stepCave(world);
        if (physics == GvPhysics::gravik_1) {
            EXPECT_EQ(text(world), pic({"W@WWW", "W rWW", "W wWW", "WWWWW"}));
            stepCave(world);
        }
        EXPECT_EQ(text(world), pic({"W@WWW", "WR WW", "W wWW", "WWWWW"}));
    }

    // The same with a firefly heading up out of the side cell.
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        makeCave(world, pic({"W WWW", "W3rWW", "W wWW", "WWWWW"}), physics);
        stepCave(world);
        EXPECT_EQ(world.cellAt(1, 0)->kind(), GvObjectKind::firefly);
        EXPECT_EQ(world.cellAt(physics == GvPhysics::retro ? 1 : 2, 1)->kind(),
                  GvObjectKind::boulder);
    }
}

TEST(GvFalling, TargetEmptiedEarlierInTheTickUnderWrap) {
    // Under vertical wrap the cell below the bottom row is scanned first; the
    // player leaves it before the boulder's turn.
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        makeCave(world, pic({"@ ", "WW", "r "}), physics, GvWrapMode::vertical);
        world.startReplay({{kInputRight, 1}, {0, 5}});
        stepCave(world);
        if (physics == GvPhysics::retro)
            EXPECT_EQ(text(world), pic({"R@", "WW", "  "}));
        else
            EXPECT_EQ(text(world), pic({" @", "WW", "r "}));
    }
}

TEST(GvFalling, EdgesAndWrapping) {
    GvWorld world;
    // No wrap: the bottom row never falls.
    makeCave(world, pic({" ", "R"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", "r"}));
    // Vertical wrap: falling off the bottom comes in at the top.
    makeCave(world, pic({" ", " ", "R"}), GvPhysics::gravik_1, GvWrapMode::vertical);
    stepCave(world);
    EXPECT_EQ(text(world), pic({"R", " ", " "}));
    // Horizontal wrap: rolling left from column 0 lands in the last column.
    makeCave(world, pic({"r  ", "w  ", "WWW"}), GvPhysics::gravik_1, GvWrapMode::horizontal);
    stepCave(world);
    EXPECT_EQ(text(world), pic({"  R", "w  ", "WWW"}));
}

TEST(GvMagicWall, FirstLandingStartsTheWallAndConverts) {
    GvWorld world;
    makeCave(world, pic({"R", "M", " ", "W"}));
    world.magic_wall_ticks = 3;
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", "M", "D", "W"}));
    EXPECT_EQ(world.magic_wall_state, 1);
    EXPECT_EQ(world.magic_wall_end, 1 + 3);
    EXPECT_TRUE(world.events[6]);
    EXPECT_FALSE(world.events[5]);
    // The boulder sinks into the wall from a vanish list, drawn beneath the grid.
    ASSERT_EQ(world.vanish[0].size(), 1u);
    EXPECT_EQ(world.vanish[0][0].object->kind(), GvObjectKind::boulder);
    EXPECT_EQ(world.vanish[0][0].row, 1);
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", "M", "d", "W"}));
    EXPECT_TRUE(world.vanish[0].empty());

    // A diamond comes out as a boulder.
    makeCave(world, pic({"D", "M", " ", "W"}));
    world.magic_wall_ticks = 3;
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", "M", "R", "W"}));
    EXPECT_TRUE(world.events[5]);
    EXPECT_FALSE(world.events[6]);

    // A resting boulder on a magic wall is not taken in, and the wall stays dormant.
    makeCave(world, pic({"r", "M", " "}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"r", "M", " "}));
    EXPECT_EQ(world.magic_wall_state, 0);
}

TEST(GvMagicWall, ExpiresAndSwallowsWhenExpiredOrBlocked) {
    GvWorld world;
    makeCave(world, pic({"R", "M", " ", "W"}));
    world.magic_wall_ticks = 3;
    stepCave(world); // active from tick 1 to tick 4
    stepCave(world, 3);
    EXPECT_EQ(world.magic_wall_state, 1);
    world.placeObject(0, 2, createObjectOfKind(GvObjectKind::space));
    world.placeObject(0, 0,
                      createPackedObject(GvPackedObjectType::boulder_f, 0, world.cosmetic_random));
    stepCave(world); // tick 5: expired before the scan
    EXPECT_EQ(world.magic_wall_state, 2);
    EXPECT_EQ(text(world), pic({" ", "M", " ", "W"}));
    EXPECT_TRUE(world.events[6]) << "the sound plays even when nothing comes out";

    // Blocked output cell: swallowed. Output beyond a closed edge: swallowed.
    makeCave(world, pic({"R", "M", "."}));
    world.magic_wall_ticks = 10;
    stepCave(world);
    EXPECT_EQ(text(world), pic({" ", "M", "."}));
    EXPECT_EQ(world.magic_wall_state, 1);
    makeCave(world, pic({"RD", "MM"}));
    world.magic_wall_ticks = 10;
    stepCave(world);
    EXPECT_EQ(text(world), pic({"  ", "MM"}));
    EXPECT_TRUE(world.events[5]) << "the diamond, later in the scan, sounds last";
}

TEST(GvMagicWall, StampedOutputCellUnderBothPhysics) {
    // Under vertical wrap the output cell lies above; the player leaves it
    // earlier in the same tick.
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        GvWorld world;
        makeCave(world, pic({"@ ", "R ", "M "}), physics, GvWrapMode::vertical);
        world.magic_wall_ticks = 10;
        world.startReplay({{kInputRight, 1}, {0, 5}});
        stepCave(world);
        if (physics == GvPhysics::retro)
            EXPECT_EQ(text(world), pic({"D@", "  ", "M "}));
        else
            EXPECT_EQ(text(world), pic({" @", "  ", "M "}));
    }
}

TEST(GvMagicWall, BombStopsOnItAndLights) {
    GvWorld world;
    makeCave(world, pic({"B", "M", " "}));
    world.magic_wall_ticks = 10;
    stepCave(world);
    EXPECT_EQ(text(world), pic({"c", "M", " "}));
    EXPECT_EQ(world.magic_wall_state, 0);
}

TEST(GvMagicWall, SoundAndSparklesFollowTheWallState) {
    GvWorld world;
    makeCave(world, pic({"R ", "MM", "  ", "WW"}));
    world.magic_wall_ticks = 2;
    stepCave(world);
    // Walls scanned after the landing already sound and sparkle in this tick.
    EXPECT_TRUE(world.events[10]);
    for (int col = 0; col < 2; ++col) {
        const auto* wall = dynamic_cast<const GvMagicWallObject*>(world.cellAt(col, 1));
        ASSERT_NE(wall, nullptr);
        EXPECT_EQ(wall->sparkles.size(), 4u);
    }
    stepCave(world, 2);
    EXPECT_TRUE(world.events[10]);
    stepCave(world); // tick 4 is past the end of the active period
    EXPECT_EQ(world.magic_wall_state, 2);
    EXPECT_FALSE(world.events[10]);
    // Without an active wall the sparkles burn out and are not replaced.
    stepCave(world, 3);
    for (int col = 0; col < 2; ++col) {
        const auto* wall = dynamic_cast<const GvMagicWallObject*>(world.cellAt(col, 1));
        EXPECT_TRUE(wall->sparkles.empty());
    }
}

TEST(GvMagicWall, NewSparklesAreStaggeredAndShrink) {
    GvWorld world;
    makeCave(world, pic({"M"}));
    auto* wall = dynamic_cast<GvMagicWallObject*>(world.cellAt(0, 0));
    ASSERT_NE(wall, nullptr);
    wall->tick(world, 0, 0, 0, false);
    EXPECT_TRUE(wall->sparkles.empty()) << "a dormant wall has no sparkles";
    EXPECT_FALSE(world.events[10]);

    world.magic_wall_state = 1;
    wall->tick(world, 0, 0, 0, false);
    EXPECT_TRUE(world.events[10]);
    ASSERT_EQ(wall->sparkles.size(), 4u);
    for (int k = 1; k <= 4; ++k) {
        const GvMagicWallObject::Sparkle& sparkle = wall->sparkles[std::size_t(k - 1)];
        EXPECT_GE(sparkle.size, 0.1f * 0.25f * float(k) - 1e-6f);
        EXPECT_LE(sparkle.size, 0.3f * 0.25f * float(k) + 1e-6f);
        EXPECT_GE(sparkle.x, -0.5f);
        EXPECT_LE(sparkle.x, 0.5f);
        EXPECT_GE(sparkle.y, -0.5f);
        EXPECT_LE(sparkle.y, 0.5f);
    }
    const GvMagicWallObject::Sparkle last = wall->sparkles[3];
    wall->animate(world, 0.25f, 0.05f);
    EXPECT_NEAR(wall->sparkles[3].size, last.size - 0.025f, 1e-6);
    EXPECT_NEAR(wall->sparkles[3].angle, last.angle - 5.0f, 1e-4);
    // A full set is not topped up again by later ticks.
    wall->tick(world, 0, 0, 0, false);
    EXPECT_NEAR(wall->sparkles[3].size, last.size - 0.025f, 1e-6);

    // A detached wall keeps its looks but makes no sound.
    world.events.fill(false);
    wall->tick(world, 0, 0, 0, true);
    EXPECT_FALSE(world.events[10]);
}

TEST(GvBomb, LitInTick100ExplodesInTick104AtItsTurn) {
    GvWorld world;
    makeCave(world, pic({"  B  ", "  .  ", "WWWWW"}));
    world.tick_count = 99;
    stepCave(world);
    ASSERT_EQ(world.tick_count, 100);
    EXPECT_EQ(text(world), pic({"  c  ", "  .  ", "WWWWW"}));
    const auto* bomb = dynamic_cast<const GvBombObject*>(world.cellAt(2, 0));
    ASSERT_NE(bomb, nullptr);
    EXPECT_EQ(bomb->fuse_end, 104);
    for (int tick = 101; tick <= 103; ++tick) {
        stepCave(world);
        EXPECT_EQ(world.cellAt(2, 0)->kind(), GvObjectKind::bomb) << "tick " << tick;
        EXPECT_TRUE(world.events[8]) << "the fuse sounds on every tick, tick " << tick;
        EXPECT_FALSE(world.events[11]);
    }
    stepCave(world);
    EXPECT_EQ(world.tick_count, 104);
    EXPECT_EQ(text(world), pic({" *** ", " *** ", "WWWWW"}));
    EXPECT_TRUE(world.events[11]);
    EXPECT_FALSE(world.events[8]);
}

TEST(GvBomb, FuseOnlyLightsOnceAndChainsGoOffAFuseApart) {
    GvWorld world;
    makeCave(world, pic({"cb ", "WWW"}));
    world.bomb_ticks = 3;
    auto* lit = dynamic_cast<GvBombObject*>(world.cellAt(0, 0));
    ASSERT_NE(lit, nullptr);
    ASSERT_EQ(lit->fuse_end, 4); // lit at tick 0 with the reset fuse of 4
    world.tick_count = 1;
    lit->ignite(world);
    EXPECT_EQ(lit->fuse_end, 4) << "a burning fuse is not restarted";
    world.tick_count = 0;

    // The first goes off in tick 4 and its blast lights the second, which goes
    // off bomb_ticks later.
    stepCave(world, 3);
    EXPECT_EQ(text(world), pic({"cb ", "WWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"*c ", "WWW"}));
    const auto* second = dynamic_cast<const GvBombObject*>(world.cellAt(1, 0));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->fuse_end, 4 + 3);
    stepCave(world, 2);
    EXPECT_EQ(world.cellAt(1, 0)->kind(), GvObjectKind::bomb);
    stepCave(world);
    EXPECT_EQ(text(world), pic({"***", "WWW"}));
}

TEST(GvBomb, LitBombKeepsItsFuseWhileRollingAndFalling) {
    GvWorld world;
    makeCave(world, pic({"c  ", "r  ", "WWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({" C ", "r  ", "WWW"})) << "rolls right off the boulder";
    stepCave(world);
    EXPECT_EQ(text(world), pic({"   ", "rC ", "WWW"}));
    stepCave(world);
    EXPECT_EQ(text(world), pic({"   ", "rc ", "WWW"}));
    EXPECT_EQ(dynamic_cast<const GvBombObject*>(world.cellAt(1, 1))->fuse_end, 4);
    stepCave(world);
    EXPECT_EQ(text(world), pic({"***", "***", "WWW"}));
}

TEST(GvDiamond, SparkleStartsRarelyAndLastsNineTicks) {
    GvWorld world;
    makeCave(world, pic({"d", "W"}));
    // Find a cosmetic state whose next value starts a sparkle.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        GvGamePlayRandomStream probe(seed);
        if (probe.nextUnit() < GvDiamondObject::kSparkleChance)
            break;
        ASSERT_LT(seed, 100000u);
    }
    world.cosmetic_random.state = seed;
    auto* diamond = dynamic_cast<GvDiamondObject*>(world.cellAt(0, 0));
    ASSERT_NE(diamond, nullptr);
    diamond->tick(world, 0, 0, 0, false);
    ASSERT_TRUE(diamond->sparkling);
    EXPECT_FLOAT_EQ(diamond->sparkle_life, 0.36f);
    EXPECT_GE(diamond->sparkle_seed, 0);
    EXPECT_GE(diamond->sparkle_angle, 0.0f);
    EXPECT_LE(diamond->sparkle_angle, 360.0f);
    const std::uint32_t afterStart = world.cosmetic_random.state;
    // While it sparkles no new value is drawn.
    diamond->tick(world, 0, 0, 0, false);
    EXPECT_EQ(world.cosmetic_random.state, afterStart);
    for (int tick = 0; tick < 8; ++tick) {
        diamond->animate(world, 1.0f, 1.0f);
        EXPECT_TRUE(diamond->sparkling) << tick;
    }
    diamond->animate(world, 1.0f, 1.0f);
    EXPECT_FALSE(diamond->sparkling);

    // A detached diamond draws nothing.
    diamond->tick(world, 0, 0, 0, true);
    EXPECT_EQ(world.cosmetic_random.state, afterStart);
}
