#include "sim/GvWorld.h"

#include "sim/GvBombObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvInBoxObject.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvSpaceObject.h"
#include "sim/GvWorldText.h"

#include "sim/CaveSteps.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// A test object that records what the world asks of it and can act in its tick.
class Probe : public GvVisibleObjectBase {
public:
    explicit Probe(GvObjectKind probeKind = GvObjectKind::slime) : probe_kind(probeKind) {}

    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override {
        ticks.push_back({col, row});
        detached_ticks += detached ? 1 : 0;
        last_input = input;
        if (action && !detached)
            action(world, col, row);
    }
    void animate(GvWorld&, float tickDelta, float seconds) override {
        animations.push_back({tickDelta, seconds});
    }
    GvObjectKind kind() const override { return probe_kind; }
    bool isDiggable() const override { return false; }
    bool isCollectable() const override { return false; }
    bool isPushable() const override { return false; }
    bool isRounded() const override { return false; }
    bool isGravityObject() const override { return false; }
    int hitResponse() const override { return 0; }
    int blastResponse() const override { return 2; }

    GvObjectKind probe_kind;
    std::vector<std::pair<int, int>> ticks;
    std::vector<std::pair<float, float>> animations;
    int detached_ticks = 0;
    GvInputBits last_input = -1;
    std::function<void(GvWorld&, int, int)> action;
};

static Probe* putProbe(GvWorld& world, int col, int row, GvObjectKind kind = GvObjectKind::slime) {
    auto probe = std::make_unique<Probe>(kind);
    Probe* raw = probe.get();
    world.placeObject(col, row, std::move(probe));
    return raw;
}

static std::pair<int, int> wrapped(const GvWorld& world, int col, int row) {
    if (!world.wrapCoordinates(col, row))
        return {-99, -99};
    return {col, row};
}

TEST(GvWorldWrap, EachModeJoinsTheRightEdges) {
    GvWorld world;
    const std::pair<int, int> none{-99, -99};
    world.reset(4, 3, GvWrapMode::none);
    EXPECT_EQ(wrapped(world, -1, 1), none);
    EXPECT_EQ(wrapped(world, 4, 1), none);
    EXPECT_EQ(wrapped(world, 1, -1), none);
    EXPECT_EQ(wrapped(world, 1, 3), none);
    EXPECT_EQ(wrapped(world, 3, 2), std::make_pair(3, 2));

    world.reset(4, 3, GvWrapMode::horizontal);
    EXPECT_EQ(wrapped(world, -1, 1), std::make_pair(3, 1));
    EXPECT_EQ(wrapped(world, 4, 2), std::make_pair(0, 2));
    EXPECT_EQ(wrapped(world, 0, -1), none);
    EXPECT_EQ(wrapped(world, 0, 3), none);

    world.reset(4, 3, GvWrapMode::vertical);
    EXPECT_EQ(wrapped(world, -1, 1), none);
    EXPECT_EQ(wrapped(world, 2, -1), std::make_pair(2, 2));
    EXPECT_EQ(wrapped(world, 2, 3), std::make_pair(2, 0));

    world.reset(4, 3, GvWrapMode::all);
    EXPECT_EQ(wrapped(world, -1, -1), std::make_pair(3, 2));
    EXPECT_EQ(wrapped(world, 4, 3), std::make_pair(0, 0));
    EXPECT_EQ(wrapped(world, 9, -7), std::make_pair(1, 2));

    world.reset(4, 3, GvWrapMode::stepped);
    EXPECT_EQ(wrapped(world, 4, 0), std::make_pair(0, 1));
    EXPECT_EQ(wrapped(world, 4, 2), std::make_pair(0, 0));
    EXPECT_EQ(wrapped(world, -1, 0), std::make_pair(3, 2));
    EXPECT_EQ(wrapped(world, -1, 2), std::make_pair(3, 1));
    EXPECT_EQ(wrapped(world, 0, 3), std::make_pair(0, 0));
    // Several widths at once step as many rows.
    EXPECT_EQ(wrapped(world, 9, 0), std::make_pair(1, 2));
    EXPECT_EQ(wrapped(world, -5, 0), std::make_pair(3, 1));
}

TEST(GvWorldWrap, EmptyGridHasNoNeighbours) {
    GvWorld world;
    for (GvWrapMode mode : {GvWrapMode::none, GvWrapMode::all, GvWrapMode::stepped}) {
        world.reset(0, 0, mode);
        int col = 1, row = 0;
        EXPECT_FALSE(world.wrapCoordinates(col, row));
    }
    // A negative size is treated as empty rather than as a huge grid.
    world.reset(-3, 5, GvWrapMode::all);
    EXPECT_EQ(world.width, 0);
    EXPECT_TRUE(world.cells.empty());
}

TEST(GvWorldReset, SetsResetValuesAndKeepsTheRest) {
    GvWorld world(1234);
    EXPECT_EQ(world.width, 4);
    EXPECT_EQ(world.height, 4);
    EXPECT_EQ(world.cosmetic_random.state, 1234u);
    EXPECT_FLOAT_EQ(world.tick_rate, 6.0f);
    EXPECT_TRUE(world.time_limit_on);

    world.presentation = GvPresentation::full;
    world.bonus = true;
    world.tick_rate = 10.0f;
    world.time_limit_on = false;
    world.random.state = 77;
    world.physics = GvPhysics::retro;
    world.diamonds_collected = 5;
    world.amoeba_fate = GvObjectKind::boulder;
    world.events[3] = true;
    world.player_must_die = true;
    world.startReplay({{4, 2}});
    world.input_record.push_back({8, 1});
    world.addVanishing(std::make_unique<GvSpaceObject>(), 0, 0, 1);
    stepCave(world, 3);

    world.reset(5, 2, GvWrapMode::vertical);
    EXPECT_EQ(world.cells.size(), 10u);
    EXPECT_EQ(world.stamp, std::vector<int>(10, 0));
    EXPECT_EQ(world.view_width, 5);
    EXPECT_EQ(world.view_height, 2);
    EXPECT_EQ(world.wrap, GvWrapMode::vertical);
    EXPECT_EQ(world.tick_count, 0);
    EXPECT_EQ(world.physics, GvPhysics::gravik_1);
    EXPECT_EQ(world.diamonds_collected, 0);
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::amoeba);
    EXPECT_EQ(world.slime_permeability, 65536);
    EXPECT_EQ(world.pre_game_ticks, 24);
    EXPECT_EQ(world.bomb_ticks, 4);
    EXPECT_FALSE(world.events[3]);
    EXPECT_FALSE(world.player_must_die);
    EXPECT_FALSE(world.replaying);
    EXPECT_TRUE(world.replay_done);
    EXPECT_TRUE(world.input_record.empty());
    EXPECT_TRUE(world.vanish[0].empty() && world.vanish[1].empty());
    EXPECT_EQ(world.state, GvWorldState::PreGame);
    for (const auto& cell : world.cells)
        EXPECT_EQ(cell->kind(), GvObjectKind::space);
    // Kept across levels.
    EXPECT_EQ(world.presentation, GvPresentation::full);
    EXPECT_TRUE(world.bonus);
    EXPECT_FLOAT_EQ(world.tick_rate, 1.0f);
    EXPECT_FALSE(world.time_limit_on);
    EXPECT_NE(world.random.state, 0u);
}

TEST(GvWorldCells, WritesStampAndHandOverOwnership) {
    GvWorld world;
    GvWorldText::parse(world, "r..\n...\n");
    stepCave(world);
    ASSERT_EQ(world.tick_count, 1);
    EXPECT_FALSE(world.isStamped(0, 0));

    world.moveObject(0, 0, 2, 1);
    EXPECT_TRUE(world.isStamped(0, 0));
    EXPECT_TRUE(world.isStamped(2, 1));
    EXPECT_FALSE(world.isStamped(1, 0));
    EXPECT_EQ(GvWorldText::format(world), " ..\n..r\n");

    std::unique_ptr<GvObject> taken = world.takeObject(1, 0);
    EXPECT_EQ(taken->kind(), GvObjectKind::dirt);
    EXPECT_EQ(world.cellAt(1, 0)->kind(), GvObjectKind::space);
    EXPECT_TRUE(world.isStamped(1, 0));

    world.placeObject(0, 1, std::move(taken));
    EXPECT_TRUE(world.isStamped(0, 1));
    EXPECT_EQ(GvWorldText::format(world), "  .\n..r\n");
}

TEST(GvWorldCells, RemoveWithFadeTicksOnlyObjectsNotYetWritten) {
    GvWorld world;
    world.reset(3, 1, GvWrapMode::none);
    stepCave(world);
    Probe* fresh = putProbe(world, 0, 0);
    world.tick_count += 1; // the probe now stands from an earlier tick
    Probe* written = putProbe(world, 1, 0);
    world.removeWithFade(0, 0);
    world.removeWithFade(1, 0);
    EXPECT_EQ(fresh->detached_ticks, 1);
    EXPECT_EQ(written->detached_ticks, 0);
    ASSERT_EQ(world.vanish[0].size(), 2u);
    EXPECT_EQ(world.vanish[0][0].object.get(), fresh);
    EXPECT_FLOAT_EQ(fresh->opacity_target, 0.0f);
    EXPECT_EQ(world.cellAt(0, 0)->kind(), GvObjectKind::space);
}

TEST(GvWorldCells, VanishRecordsAreDroppedAtTheNextTick) {
    GvWorld world;
    world.reset(6, 4, GvWrapMode::none);
    world.view_left = 2;
    world.view_top = 1;
    world.addVanishing(std::make_unique<Probe>(), 4, 3, 1);
    ASSERT_EQ(world.vanish[1].size(), 1u);
    EXPECT_EQ(world.vanish[1][0].view_col, 2);
    EXPECT_EQ(world.vanish[1][0].view_row, 2);
    EXPECT_EQ(world.vanish[1][0].countdown, 1);
    world.tick_rate = 1.0f;
    world.advance(0.5); // the tick at the start drops it
    EXPECT_TRUE(world.vanish[1].empty());
}

TEST(GvWorldCells, FindPlayerAndViewTarget) {
    GvWorld world;
    GvWorldText::parse(world, "....\n..P.\n.@..\n", GvWrapMode::horizontal);
    EXPECT_EQ(world.findPlayer(), GvObjectKind::in_box);
    EXPECT_EQ(world.player_col, 2);
    EXPECT_EQ(world.player_row, 1);
    GvWorldText::parse(world, "....\n", GvWrapMode::horizontal);
    world.player_col = 3;
    EXPECT_EQ(world.findPlayer(), GvObjectKind::space);
    EXPECT_EQ(world.player_col, 0);

    // A player in the last column sliding right across the edge.
    GvWorldText::parse(world, "...@\n....\n", GvWrapMode::horizontal);
    world.findPlayer();
    world.cellAt(3, 0)->setShiftX(0.75f, 1.0f);
    const auto [x, y] = world.viewTarget(true);
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 4.0f);
    EXPECT_FLOAT_EQ(x, 0.25f);
    EXPECT_FLOAT_EQ(y, 0.5f);
    const auto [x0, y0] = world.viewTarget(false);
    EXPECT_FLOAT_EQ(x0, 3.75f);
    EXPECT_FLOAT_EQ(y0, 0.0f);
}

TEST(GvWorldTick, ObjectWrittenAheadOfTheScanWaitsForTheNextTick) {
    GvWorld world;
    world.reset(4, 2, GvWrapMode::none);
    Probe* mover = putProbe(world, 0, 0);
    Probe* ahead = putProbe(world, 3, 0);
    Probe* below = putProbe(world, 2, 1);
    // The mover carries the probe at (3, 0) to (1, 1): both cells are written
    // before the scan reaches them.
    mover->action = [](GvWorld& w, int, int) {
        if (w.tick_count == 1)
            w.moveObject(3, 0, 1, 1);
    };
    stepCave(world);
    EXPECT_EQ(mover->ticks.size(), 1u);
    EXPECT_TRUE(ahead->ticks.empty());
    EXPECT_EQ(below->ticks.size(), 1u);
    EXPECT_TRUE(world.isStamped(3, 0));
    stepCave(world);
    ASSERT_EQ(ahead->ticks.size(), 1u);
    EXPECT_EQ(ahead->ticks[0], std::make_pair(1, 1));
    EXPECT_EQ(mover->ticks.size(), 2u);
}

TEST(GvWorldTick, TicksAndAnimationSplitFractionalFrames) {
    GvWorld world;
    world.reset(1, 1, GvWrapMode::none);
    Probe* probe = putProbe(world, 0, 0);
    world.tick_rate = 6.0f;
    // A tick on every second frame of 1/12 s.
    for (int frame = 0; frame < 4; ++frame)
        world.advance(1.0 / 12.0);
    EXPECT_EQ(world.tick_count, 2);
    EXPECT_EQ(probe->ticks.size(), 2u);
    ASSERT_EQ(probe->animations.size(), 4u);
    for (const auto& [delta, seconds] : probe->animations) {
        EXPECT_NEAR(delta, 0.5f, 1e-6);
        EXPECT_NEAR(seconds, 1.0f / 12.0f, 1e-6);
    }
    EXPECT_EQ(world.tick_fraction, 0.0f);

    // One second: six ticks, each followed by the animation of one whole tick.
    probe->animations.clear();
    world.advance(1.0);
    EXPECT_EQ(world.tick_count, 8);
    ASSERT_EQ(probe->animations.size(), 6u);
    for (const auto& [delta, seconds] : probe->animations) {
        EXPECT_NEAR(delta, 1.0f, 1e-6);
        EXPECT_NEAR(seconds, 1.0f / 6.0f, 1e-6);
    }
    // The frame ended on a tick boundary: the next tick waits for the next frame.
    EXPECT_EQ(world.tick_fraction, 0.0f);
    world.advance(0.01);
    EXPECT_EQ(world.tick_count, 9);
    EXPECT_GT(world.tick_fraction, 0.0f);
    // Nothing happens for no time.
    world.advance(0.0);
    world.advance(-1.0);
    EXPECT_EQ(world.tick_count, 9);
}

TEST(GvWorldTick, LoopingPhasesFollowRealTime) {
    GvWorld world;
    world.tick_rate = 6.0f;
    world.advance(0.5);
    EXPECT_NEAR(world.phase[0].value(), 0.5f / 0.67f, 1e-5);
    EXPECT_NEAR(world.phase[1].value(), 0.5f / 0.55f, 1e-5);
    EXPECT_NEAR(world.phase[2].value(), 0.4f, 1e-5);
    // 0.5 s is 3.125 periods of 0.16 s.
    EXPECT_NEAR(world.phase[3].value(), 0.125f, 1e-4);
    for (int i = 0; i < 100; ++i)
        world.advance(0.037);
    for (const GvLoopingPhase& loop : world.phase) {
        EXPECT_GE(loop.value(), 0.0f);
        EXPECT_LT(loop.value(), 1.0f);
    }
}

TEST(GvWorldState, InBoxHatchesInTheFirstPlayingTick) {
    GvWorld world;
    GvWorldText::parse(world, "...\n.P.\n...\n");
    world.game_ticks = 100;
    world.findPlayer();
    stepCave(world, 24);
    EXPECT_EQ(world.state, GvWorldState::PreGame);
    EXPECT_EQ(world.cellAt(1, 1)->kind(), GvObjectKind::in_box);
    EXPECT_FALSE(world.events[0]);

    stepCave(world);
    EXPECT_EQ(world.tick_count, 25);
    EXPECT_EQ(world.state, GvWorldState::Playing);
    const GvObject* player = world.cellAt(1, 1);
    EXPECT_EQ(player->kind(), GvObjectKind::player);
    EXPECT_TRUE(world.isStamped(1, 1)); // so it first acts in the next tick
    EXPECT_TRUE(world.events[0]);
    EXPECT_FLOAT_EQ(player->opacity(), 1.0f); // faded in over the whole tick
    ASSERT_EQ(world.vanish[0].size(), 1u);
    EXPECT_EQ(world.vanish[0][0].object->kind(), GvObjectKind::in_box);
    EXPECT_EQ(world.player_col, 1);
    EXPECT_EQ(world.player_row, 1);

    stepCave(world);
    EXPECT_FALSE(world.events[0]);
    EXPECT_TRUE(world.vanish[0].empty());
    EXPECT_EQ(world.ticks_without_player, 0);
}

TEST(GvWorldState, NoPlayerMeansPlayerGoneAtTheFifthDueTick) {
    GvWorld world;
    GvWorldText::parse(world, "...\n.r.\n");
    world.game_ticks = 1000;
    for (int due = 1; due <= 4; ++due) {
        stepCave(world);
        EXPECT_EQ(world.state, GvWorldState::PreGame) << "due tick " << due;
    }
    stepCave(world);
    EXPECT_EQ(world.state, GvWorldState::PlayerGone);
    // The world keeps ticking while the game shows its end.
    stepCave(world, 3);
    EXPECT_EQ(world.tick_count, 8);
    EXPECT_EQ(world.state, GvWorldState::PlayerGone);
}

TEST(GvWorldState, TimeOutNeedsThePlayerInTheLastScan) {
    GvWorld world;
    makeCave(world, "@..\n");
    world.game_ticks = 3;
    stepCave(world, 2);
    EXPECT_EQ(world.state, GvWorldState::Playing);
    stepCave(world);
    EXPECT_EQ(world.state, GvWorldState::Ended);
    EXPECT_EQ(world.tick_count, 3);
    stepCave(world, 2);
    EXPECT_EQ(world.tick_count, 3) << "an ended world is frozen";

    // The player disappears before time runs out: the game ends as PlayerGone.
    makeCave(world, "@..\n");
    world.game_ticks = 3;
    stepCave(world);
    world.takeObject(0, 0);
    for (int i = 0; i < 20; ++i) {
        stepCave(world);
        ASSERT_NE(world.state, GvWorldState::Ended) << "tick " << world.tick_count;
    }
    EXPECT_EQ(world.state, GvWorldState::PlayerGone);

    // Without a time limit the cave never runs out.
    makeCave(world, "@..\n");
    world.game_ticks = 3;
    world.time_limit_on = false;
    stepCave(world, 10);
    EXPECT_EQ(world.state, GvWorldState::Playing);
}

TEST(GvWorldState, ExitCompletesAndFreezes) {
    GvWorld world;
    makeCave(world, "@.\n");
    world.game_ticks = 100;
    stepCave(world, 2);
    world.exited = true;
    world.events[8] = world.events[9] = world.events[10] = true;
    stepCave(world);
    EXPECT_EQ(world.state, GvWorldState::Completed);
    EXPECT_EQ(world.tick_count, 3);
    EXPECT_FALSE(world.events[8] || world.events[9] || world.events[10]);
    // A cheat lifting the time limit afterwards does not revive the world.
    world.time_limit_on = false;
    world.exited = false;
    stepCave(world, 2);
    EXPECT_EQ(world.tick_count, 3);
    EXPECT_EQ(world.state, GvWorldState::Completed);
}

TEST(GvWorldState, PlayerMustDieExplodesTheUnhatchedInBox) {
    GvWorld world;
    GvWorldText::parse(world, "WWWWW\nW...W\nW.P.W\nW...W\nWWWWW\n");
    world.player_must_die = true;
    stepCave(world);
    EXPECT_EQ(world.cellAt(2, 2)->kind(), GvObjectKind::explosion);
    EXPECT_EQ(world.cellAt(1, 1)->kind(), GvObjectKind::explosion);
    EXPECT_EQ(world.cellAt(0, 0)->kind(), GvObjectKind::steel_wall);
    EXPECT_TRUE(world.events[11]);
    EXPECT_EQ(world.ticks_without_player, 1);
}

TEST(GvWorldInput, KeyTappedBetweenTicksStillCounts) {
    GvWorld world;
    world.setKey(kInputLeft, true);
    world.setKey(kInputLeft, false);
    stepCave(world);
    stepCave(world);
    const GvInputRecording expected = {{kInputLeft, 1}, {0, 1}};
    EXPECT_EQ(world.input_record, expected);
}

TEST(GvWorldInput, LastDirectionWinsWhileHeld) {
    GvWorld world;
    world.setKey(kInputLeft, true);
    stepCave(world); // first press: left
    world.setKey(kInputUp, true);
    stepCave(world); // first press: up
    stepCave(world); // both held, up was pressed last
    world.setKey(kInputUp, false);
    stepCave(world); // back to left
    world.setKey(kInputLeft, false);
    stepCave(world);
    const GvInputRecording expected = {{kInputLeft, 1}, {kInputUp, 2}, {kInputLeft, 1}, {0, 1}};
    EXPECT_EQ(world.input_record, expected);
}

TEST(GvWorldInput, HeldKeysPreferLeftRightUpDownAndCarrySnap) {
    GvWorld world;
    world.setKey(kInputDown | kInputRight, true);
    stepCave(world);                 // the first press holds both bits
    world.last_direction = kInputUp; // released long ago
    stepCave(world);
    world.setKey(kInputSnap, true);
    stepCave(world);
    world.setKey(kInputDown | kInputRight, false);
    stepCave(world);                // snap alone adds nothing
    world.setKey(kInputLeft, true); // pressed while snap is held
    stepCave(world);
    const GvInputRecording expected = {{kInputDown | kInputRight, 1},
                                       {kInputRight, 1},
                                       {kInputRight | kInputSnap, 1},
                                       {0, 1},
                                       {kInputLeft | kInputSnap, 1}};
    EXPECT_EQ(world.input_record, expected);

    world.reset(2, 2, GvWrapMode::none);
    world.input_enabled = false;
    world.setKey(kInputLeft, true);
    stepCave(world);
    EXPECT_EQ(world.input_record, (GvInputRecording{{0, 1}}));
    EXPECT_EQ(world.first_press, 0);
    EXPECT_EQ(world.keys_pressed, 0);
}

TEST(GvWorldInput, ReplayIgnoresKeysAndIsRecordedExactly) {
    GvWorld world;
    makeCave(world, "@..\n");
    world.game_ticks = 1000;
    Probe* probe = putProbe(world, 2, 0);
    const GvInputRecording replay = {{kInputLeft, 2}, {0, 1}, {kInputUp | kInputSnap, 3}};
    world.startReplay(replay);
    std::vector<GvInputBits> seen;
    for (int i = 0; i < 6; ++i) {
        world.setKey(kInputRight, i % 2 == 0);
        stepCave(world);
        seen.push_back(probe->last_input);
    }
    EXPECT_EQ(world.input_record, replay);
    EXPECT_EQ(seen, (std::vector<GvInputBits>{4, 4, 0, 17, 17, 17}));
    EXPECT_EQ(world.keys_held, 0);
    EXPECT_TRUE(world.replay_done);
    EXPECT_EQ(world.state, GvWorldState::Playing);
    stepCave(world);
    EXPECT_EQ(world.state, GvWorldState::Ended);
}

TEST(GvWorldInput, EmptyRunsInAReplayAreSkipped) {
    GvWorld world;
    makeCave(world, "@..\n");
    world.game_ticks = 1000;
    world.startReplay({{kInputLeft, 0}, {kInputRight, 2}, {kInputUp, -4}});
    stepCave(world, 2);
    EXPECT_EQ(world.input_record, (GvInputRecording{{kInputRight, 2}}));
    EXPECT_TRUE(world.replay_done);
    stepCave(world);
    EXPECT_EQ(world.state, GvWorldState::Ended);
}

TEST(GvWorldInput, ReplayRunningOutEndsAPlayerGoneGame) {
    GvWorld world;
    world.reset(3, 1, GvWrapMode::none);
    world.startReplay({{0, 7}});
    stepCave(world, 5);
    EXPECT_EQ(world.state, GvWorldState::PlayerGone);
    stepCave(world, 3);
    EXPECT_EQ(world.state, GvWorldState::Ended);
    EXPECT_EQ(world.tick_count, 8);
}

TEST(GvWorldEvents, GroupsExcludeEachOtherAndFramesClearThem) {
    GvWorld world;
    world.raiseEvent(1);
    world.raiseEvent(2);
    EXPECT_FALSE(world.events[1]);
    EXPECT_TRUE(world.events[2]);
    world.raiseEvent(1);
    EXPECT_TRUE(world.events[1]);
    EXPECT_FALSE(world.events[2]);
    world.raiseEvent(5);
    world.raiseEvent(7);
    EXPECT_FALSE(world.events[5]);
    EXPECT_TRUE(world.events[7]);
    world.raiseEvent(GvWorldEvent::diamond);
    EXPECT_TRUE(world.hasEvent(GvWorldEvent::diamond));
    EXPECT_FALSE(world.events[7]);
    world.raiseEvent(-1);
    world.raiseEvent(24);
    world.raiseEvent(3);
    world.raiseEvent(8);
    world.raiseEvent(9);
    world.raiseEvent(10);
    world.raiseEvent(22);
    world.tick_rate = 1.0f;
    world.tick_fraction = 0.5f;
    world.advance(0.1); // no tick is due in this frame
    for (int n = 0; n < kWorldEventCount; ++n)
        EXPECT_EQ(world.events[n], n >= 8 && n <= 10) << n;
    // The tick clears the fuse and magic wall loops; the amoeba loop follows the scan.
    world.advance(1.0);
    EXPECT_FALSE(world.events[8]);
    EXPECT_FALSE(world.events[9]);
    EXPECT_FALSE(world.events[10]);
}

TEST(GvWorldEvents, CountdownRaisesEachOfTheLastTenSecondsOnce) {
    GvWorld world;
    GvWorldText::parse(world, "@.\n");
    world.tick_rate = 2.0f;
    world.pre_game_ticks = 0;
    world.game_ticks = 30; // 15 s
    std::vector<int> raised;
    // Half-tick frames end on tick boundaries, where the remaining time
    // briefly reads one tick more; the countdown must still only go down.
    for (int frame = 0; frame < 64; ++frame) {
        world.advance(0.25);
        for (int s = 0; s <= 9; ++s) {
            if (world.events[13 + s])
                raised.push_back(s);
        }
    }
    EXPECT_EQ(raised, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(world.state, GvWorldState::Ended);
}

TEST(GvWorldTimers, RemainingTicksAndSeconds) {
    GvWorld world;
    world.tick_rate = 4.0f;
    world.pre_game_ticks = 8;
    world.game_ticks = 40;
    EXPECT_EQ(world.remainingTicks(), 48);
    EXPECT_FLOAT_EQ(world.remainingSeconds(), 10.0f);
    world.tick_count = 4;
    world.tick_fraction = 0.5f;
    EXPECT_FLOAT_EQ(world.remainingSeconds(), 10.0f); // still waiting
    world.tick_count = 18;
    EXPECT_FLOAT_EQ(world.remainingSeconds(), 7.375f);
    world.tick_count = 48;
    EXPECT_FLOAT_EQ(world.remainingSeconds(), 0.0f);
    world.tick_count = 60;
    EXPECT_EQ(world.remainingTicks(), 0);
    world.tick_rate = 0.0f;
    world.tick_count = 18;
    EXPECT_FLOAT_EQ(world.remainingSeconds(), 0.0f);
}

TEST(GvWorldRules, AmoebaFateFollowsTheScan) {
    GvWorld world;
    GvWorldText::parse(world, "rrr\nr r\nrrr\n");
    stepCave(world);
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::diamond) << "no amoeba at all";
    EXPECT_FALSE(world.events[9]);

    GvWorldText::parse(world, "aa.\nrrr\n");
    world.amoeba_size_limit = 10;
    stepCave(world);
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::amoeba);
    EXPECT_TRUE(world.events[9]);

    // Reaching the size limit turns it to boulders.
    world.amoeba_size_limit = 2;
    stepCave(world);
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::boulder);
    EXPECT_FALSE(world.events[9]);

    // Enclosed, or only beside cells written in this tick: diamonds.
    GvWorldText::parse(world, "wawa\nwwww\n");
    world.amoeba_size_limit = 10;
    stepCave(world);
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::diamond);
    for (bool writeAhead : {false, true}) {
        GvWorldText::parse(world, " a \n");
        world.amoeba_size_limit = 10;
        Probe* probe = putProbe(world, 0, 0);
        if (writeAhead) {
            probe->action = [](GvWorld& w, int, int) {
                w.placeObject(2, 0, createObjectOfKind(GvObjectKind::dirt));
            };
        }
        stepCave(world);
        EXPECT_EQ(world.amoeba_fate, writeAhead ? GvObjectKind::diamond : GvObjectKind::amoeba);
    }

    // The missing neighbour beyond an edge does not count as free.
    GvWorldText::parse(world, "a\n");
    world.amoeba_size_limit = 10;
    stepCave(world);
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::diamond);
}

TEST(GvWorldRules, ChanceSwitchAndMagicWallExpiry) {
    GvWorld world;
    world.amoeba_chance = 10;
    world.amoeba_fast_chance = 200;
    world.amoeba_slow_ticks = 2;
    world.magic_wall_state = 1;
    world.magic_wall_end = 3;
    stepCave(world, 2);
    EXPECT_EQ(world.amoeba_chance, 10);
    stepCave(world);
    EXPECT_EQ(world.amoeba_chance, 200);
    EXPECT_EQ(world.magic_wall_state, 1);
    stepCave(world);
    EXPECT_EQ(world.magic_wall_state, 2);
    world.magic_wall_state = 0;
    stepCave(world);
    EXPECT_EQ(world.magic_wall_state, 0) << "a dormant wall does not expire";
}

TEST(GvWorldRules, ExplosionBlockAndWhatSurvivesIt) {
    GvWorld world;
    GvWorldText::parse(world, "W.P\nr.F\nbd.\n");
    world.explode(1, 1, GvObjectKind::diamond);
    EXPECT_TRUE(world.events[11]);
    EXPECT_EQ(GvWorldText::format(world), "W*P\n***\nc**\n");
    const auto* blast = dynamic_cast<const GvExplosionObject*>(world.cellAt(1, 2));
    ASSERT_NE(blast, nullptr);
    EXPECT_EQ(blast->remains->kind(), GvObjectKind::diamond);
    EXPECT_FLOAT_EQ(blast->remains->opacity(), 0.0f);
    EXPECT_FLOAT_EQ(blast->remains->scale(), 0.0f);
    EXPECT_TRUE(world.player_must_die) << "the doll was destroyed";
    EXPECT_EQ(world.vanish[0].size(), 6u);

    // The centre goes even when it would survive; retro dolls do not kill.
    GvWorldText::parse(world, "FP\n");
    world.physics = GvPhysics::retro;
    world.explode(1, 0, GvObjectKind::space);
    EXPECT_EQ(GvWorldText::format(world), "**\n");
    EXPECT_FALSE(world.player_must_die);

    // A later explosion replaces an earlier one without fading it.
    GvWorldText::parse(world, "...\n", GvWrapMode::horizontal);
    world.explode(0, 0, GvObjectKind::space);
    EXPECT_EQ(GvWorldText::format(world), "***\n");
    const std::size_t faded = world.vanish[0].size();
    world.explode(1, 0, GvObjectKind::diamond);
    EXPECT_EQ(world.vanish[0].size(), faded);
    const auto* again = dynamic_cast<const GvExplosionObject*>(world.cellAt(2, 0));
    EXPECT_EQ(again->remains->kind(), GvObjectKind::diamond);
}
