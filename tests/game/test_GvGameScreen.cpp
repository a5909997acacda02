#include "game/GvGameScreen.h"

#include "formats/GvLevelPackLoader.h"
#include "game/GvGameScreenListener.h"
#include "game/GvGameSoundSink.h"
#include "game/GvStatistics.h"
#include "graphics/OrbKeyCode.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"

#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// Cave 0: walk right through a diamond into the exit. Cave 1: an amoeba that
// hums while it lives.
const char* const kPack = "gravik 3\n"
                          "cave 8, 4\n{\nname \"Tiny Walk\"\ntick_rate 10\npre_game_ticks 2\n"
                          "game_ticks 100\ndiamond_quota 1\n"
                          "raw 0, 0, \"WWWWWWWW\"\nraw 0, 1, \"WP d XWW\"\nraw 0, 2, "
                          "\"WWWWWWWW\"\nraw 0, 3, \"WWWWWWWW\"\n}\n"
                          "cave 8, 4\n{\nname \"Hum\"\ntick_rate 10\npre_game_ticks 2\n"
                          "game_ticks 30\ndiamond_quota 5\n"
                          "raw 0, 0, \"WWWWWWWW\"\nraw 0, 1, \"WP    aW\"\nraw 0, 2, "
                          "\"WWWWWWWW\"\nraw 0, 3, \"WWWWWWWW\"\n}\n";

// Waits out the hatch, then walks right to the exit.
const GvInputRecording kSolution{{0, 3}, {kInputRight, 12}};

std::unique_ptr<GvLevelPack> makePack() {
    OrbMemoryStream stream(kPack);
    std::vector<std::string> messages;
    auto pack = loadLevelPack(stream, &messages, false);
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages.front());
    return pack;
}

class Listener : public GvGameScreenListener {
public:
    void caveEnded(GvWorldState state) override { ends.push_back(state); }
    void pauseRequested() override { ++pauses; }
    void demoInterrupted() override { ++interruptions; }

    std::vector<GvWorldState> ends;
    int pauses = 0;
    int interruptions = 0;
};

// Records the effects asked to start and to stop, in order.
class Sounds : public GvGameSoundSink {
public:
    void play(int effect) override { played.push_back(effect); }
    void stop(int effect) override { stopped.push_back(effect); }
    void clear() {
        played.clear();
        stopped.clear();
    }
    bool wasPlayed(int effect) const {
        return std::find(played.begin(), played.end(), effect) != played.end();
    }
    bool wasStopped(int effect) const {
        return std::find(stopped.begin(), stopped.end(), effect) != stopped.end();
    }

    std::vector<int> played;
    std::vector<int> stopped;
};

class GvGameScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        pack = makePack();
        ASSERT_NE(pack, nullptr);
        screen.setListener(&listener);
        screen.setSoundSink(&sounds);
        screen.setLevelPack(pack.get());
        screen.setClock([this] { return now; });
        screen.updateViewSize(1.6f, 1.0f);
    }

    // Advances in frames of 1/50 s until the listener hears of an end or the time
    // is up.
    void run(double seconds) {
        for (int i = 0; i < int(seconds * 50.0) && listener.ends.empty(); ++i) {
            now += 0.02;
            screen.advance(0.02);
        }
    }

    std::unique_ptr<GvLevelPack> pack;
    Listener listener;
    Sounds sounds;
    GvGameScreen screen;
    double now = 100.0;
};

} // namespace

TEST_F(GvGameScreenTest, StartsOnlyLevelsThatExist) {
    GvGameScreen lone;
    EXPECT_FALSE(lone.startLevel());
    lone.advance(1.0); // nothing started: nothing happens, nothing crashes
    EXPECT_EQ(lone.currentLevel(), -1);

    screen.setSelectedLevel(5);
    EXPECT_FALSE(screen.startLevel());
    EXPECT_FALSE(screen.startPlayback(GvPlayMode::BestReplay, -1, kSolution));
    screen.setSelectedLevel(1);
    ASSERT_TRUE(screen.startLevel());
    EXPECT_EQ(screen.currentLevel(), 1);
    EXPECT_EQ(screen.world().display_name, "Hum");
    EXPECT_EQ(screen.world().level_code, "B-1");
    EXPECT_EQ(screen.playMode(), GvPlayMode::Normal);
    EXPECT_FALSE(screen.world().replaying);
}

TEST_F(GvGameScreenTest, KeysBecomeInputBits) {
    ASSERT_TRUE(screen.startLevel());
    GvWorld& world = screen.world();
    const struct {
        int key;
        GvInputBits bit;
    } keys[] = {{OrbKeyUp, kInputUp},       {OrbKeyDown, kInputDown},    {OrbKeyLeft, kInputLeft},
                {OrbKeyRight, kInputRight}, {OrbKeyControl, kInputSnap}, {OrbKeyAlt, kInputSnap}};
    for (const auto& k : keys) {
        EXPECT_TRUE(screen.keyEvent(k.key, OrbKeyPressed, 0)) << k.key;
        EXPECT_EQ(world.keys_held, k.bit) << k.key;
        EXPECT_NE(world.keys_pressed & k.bit, 0) << k.key;
        // Auto-repeats are left to others and change nothing.
        EXPECT_FALSE(screen.keyEvent(k.key, OrbKeyRepeated, 0)) << k.key;
        EXPECT_TRUE(screen.keyEvent(k.key, OrbKeyReleased, 0)) << k.key;
        EXPECT_EQ(world.keys_held, 0) << k.key;
    }
    // Snap held with a direction.
    screen.keyEvent(OrbKeyControl, OrbKeyPressed, OrbModControl);
    screen.keyEvent(OrbKeyLeft, OrbKeyPressed, OrbModControl);
    EXPECT_EQ(world.keys_held, kInputSnap | kInputLeft);

    EXPECT_FALSE(screen.keyEvent('a', OrbKeyPressed, 0));
    EXPECT_FALSE(screen.keyEvent(OrbKeySpace, OrbKeyPressed, 0));
    EXPECT_FALSE(screen.keyEvent(OrbKeyCapsLock, OrbKeyPressed, 0));
}

TEST_F(GvGameScreenTest, EscapeAndReturnPauseOnlyWithoutModifiers) {
    ASSERT_TRUE(screen.startLevel());
    EXPECT_TRUE(screen.keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
    EXPECT_TRUE(screen.keyEvent(OrbKeyReturn, OrbKeyPressed, OrbModCapsLock));
    EXPECT_EQ(listener.pauses, 2);
    for (int mod : {OrbModShift, OrbModControl, OrbModAlt, OrbModWindows}) {
        EXPECT_FALSE(screen.keyEvent(OrbKeyEscape, OrbKeyPressed, mod)) << mod;
    }
    EXPECT_FALSE(screen.keyEvent(OrbKeyEscape, OrbKeyReleased, 0));
    EXPECT_FALSE(screen.keyEvent(OrbKeyReturn, OrbKeyRepeated, 0));
    EXPECT_EQ(listener.pauses, 2);
}

TEST_F(GvGameScreenTest, ShiftHandsTheArrowsToTheCamera) {
    ASSERT_TRUE(screen.startLevel());
    GvWorld& world = screen.world();
    EXPECT_TRUE(screen.keyEvent(OrbKeyShift, OrbKeyPressed, OrbModShift));
    EXPECT_TRUE(screen.viewAdjust());
    EXPECT_FALSE(world.input_enabled);
    screen.keyEvent(OrbKeyRight, OrbKeyPressed, OrbModShift);
    run(1.0);
    // The player has hatched but not moved: input is off while Shift is held.
    EXPECT_EQ(world.player_col, 1);
    EXPECT_TRUE(screen.keyEvent(OrbKeyShift, OrbKeyReleased, 0));
    EXPECT_FALSE(screen.viewAdjust());
    EXPECT_TRUE(world.input_enabled);
    run(0.3);
    EXPECT_GT(world.player_col, 1);
}

TEST_F(GvGameScreenTest, TabTriplesTheGameSpeedWhileHeld) {
    ASSERT_TRUE(screen.startLevel());
    screen.advance(0.5);
    const int normal = screen.world().tick_count;
    EXPECT_NEAR(normal, 5, 1);
    EXPECT_TRUE(screen.keyEvent(OrbKeyTab, OrbKeyPressed, 0));
    EXPECT_TRUE(screen.fastForward());
    screen.advance(0.5);
    EXPECT_NEAR(screen.world().tick_count - normal, 15, 1);
    EXPECT_TRUE(screen.keyEvent(OrbKeyTab, OrbKeyReleased, 0));
    EXPECT_FALSE(screen.fastForward());
    const int before = screen.world().tick_count;
    screen.advance(0.5);
    EXPECT_NEAR(screen.world().tick_count - before, 5, 1);
}

TEST_F(GvGameScreenTest, WorldEventsBecomeSounds) {
    ASSERT_TRUE(screen.startLevel());
    GvWorld& world = screen.world();
    screen.keyEvent(OrbKeyRight, OrbKeyPressed, 0);
    std::vector<int> raised;
    for (int i = 0; i < 100 && world.state != GvWorldState::Completed; ++i) {
        sounds.clear();
        screen.advance(0.05);
        // Exactly the raised flags start their sounds, each once.
        std::vector<int> expected;
        for (int n = 0; n < kWorldEventCount; ++n) {
            if (world.events[std::size_t(n)]) {
                expected.push_back(n);
                raised.push_back(n);
            }
        }
        EXPECT_EQ(sounds.played, expected);
        // The loops stay silenced while nothing asks for them.
        EXPECT_EQ(sounds.stopped, (std::vector<int>{8, 9, 10}));
    }
    for (int n : {int(GvWorldEvent::hatch), int(GvWorldEvent::step), int(GvWorldEvent::collect),
                  int(GvWorldEvent::quota)}) {
        EXPECT_NE(std::find(raised.begin(), raised.end(), n), raised.end()) << n;
    }

    // A living amoeba keeps its loop going; it is not stopped while it hums.
    screen.setSelectedLevel(1);
    ASSERT_TRUE(screen.startLevel());
    run(0.5);
    sounds.clear();
    screen.advance(0.1);
    EXPECT_TRUE(sounds.wasPlayed(9));
    EXPECT_FALSE(sounds.wasStopped(9));
    EXPECT_TRUE(sounds.wasStopped(8));

    sounds.clear();
    screen.stopSounds();
    std::vector<int> all(23);
    for (int n = 0; n < 23; ++n) {
        all[std::size_t(n)] = n;
    }
    EXPECT_EQ(sounds.stopped, all);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(GvGameScreenTest, CompletionIsReportedOnceWithTheInputLetGo) {
    ASSERT_TRUE(screen.startLevel());
    screen.keyEvent(OrbKeyRight, OrbKeyPressed, 0);
    screen.keyEvent(OrbKeyTab, OrbKeyPressed, 0);
    run(10.0);
    ASSERT_EQ(listener.ends, (std::vector<GvWorldState>{GvWorldState::Completed}));
    const GvWorld& world = screen.world();
    EXPECT_EQ(world.diamonds_collected, 1);
    EXPECT_EQ(world.keys_held, 0);
    EXPECT_FALSE(screen.fastForward());
    EXPECT_FALSE(screen.world().input_record.empty());
    // The controller stops advancing a completed cave, but a stray step must not
    // report it again.
    screen.advance(0.5);
    EXPECT_EQ(listener.ends.size(), 1u);
}

TEST_F(GvGameScreenTest, LostPlayerIsReportedOnceEvenWhenTheWorldEndsLater) {
    screen.setSelectedLevel(1);
    ASSERT_TRUE(screen.startLevel());
    run(0.5);
    screen.keyEvent(OrbKeyDown, OrbKeyPressed, 0);
    screen.world().player_must_die = true;
    run(2.0);
    ASSERT_EQ(listener.ends, (std::vector<GvWorldState>{GvWorldState::PlayerGone}));
    EXPECT_EQ(screen.world().keys_held, 0);

    // A replay whose player is lost first goes PlayerGone, then Ended when its
    // recording runs out: the controller must hear of one end only.
    listener.ends.clear();
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::BestReplay, 1, {{0, 8}, {kInputLeft, 20}}));
    run(0.5);
    screen.world().player_must_die = true;
    run(2.0);
    ASSERT_EQ(listener.ends, (std::vector<GvWorldState>{GvWorldState::PlayerGone}));
    for (int i = 0; i < 200; ++i) {
        screen.advance(0.02);
    }
    EXPECT_EQ(screen.world().state, GvWorldState::Ended);
    EXPECT_EQ(listener.ends.size(), 1u);
}

TEST_F(GvGameScreenTest, ReplayOfARecordingCompletesTheCaveWithoutLiveInput) {
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::BestReplay, 0, kSolution));
    EXPECT_EQ(screen.playMode(), GvPlayMode::BestReplay);
    EXPECT_TRUE(screen.world().replaying);
    EXPECT_FALSE(screen.world().replay_done);
    EXPECT_EQ(screen.selectedLevel(), 0);
    // Live keys are handled but do not reach the world; Escape still pauses.
    EXPECT_TRUE(screen.keyEvent(OrbKeyLeft, OrbKeyPressed, 0));
    EXPECT_EQ(screen.world().keys_held, 0);
    EXPECT_TRUE(screen.keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
    EXPECT_EQ(listener.pauses, 1);
    run(10.0);
    ASSERT_EQ(listener.ends, (std::vector<GvWorldState>{GvWorldState::Completed}));
    EXPECT_EQ(screen.world().diamonds_collected, 1);
    EXPECT_TRUE(screen.world().replaying);

    // A recording that stops short of the exit ends the cave instead.
    listener.ends.clear();
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::BestReplay, 0, {{0, 3}, {kInputRight, 2}}));
    run(10.0);
    EXPECT_EQ(listener.ends, (std::vector<GvWorldState>{GvWorldState::Ended}));

    // Starting a normal level afterwards plays live again.
    ASSERT_TRUE(screen.startLevel());
    EXPECT_FALSE(screen.world().replaying);
    EXPECT_EQ(screen.playMode(), GvPlayMode::Normal);
}

TEST_F(GvGameScreenTest, DemoGivesWayToAnyKey) {
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::Demo, 0, kSolution));
    EXPECT_EQ(screen.gameProjection(), 3);
    EXPECT_TRUE(screen.keyEvent('x', OrbKeyReleased, 0));
    EXPECT_TRUE(screen.keyEvent(OrbKeyEscape, OrbKeyPressed, 0));
    EXPECT_EQ(listener.interruptions, 2);
    EXPECT_EQ(listener.pauses, 0);
    ASSERT_TRUE(screen.startLevel());
    EXPECT_EQ(screen.gameProjection(), 2);
}

TEST_F(GvGameScreenTest, ReplayLabelPulsesOncePerSecond) {
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::BestReplay, 0, kSolution));
    EXPECT_FLOAT_EQ(screen.replayLabelPhase(), 0.0f);
    // Invisible at the start of the period, brightest in the middle.
    EXPECT_FLOAT_EQ(screen.replayLabelColour().a, 0.0f);
    screen.advance(0.6);
    EXPECT_NEAR(screen.replayLabelPhase(), 0.6f, 1e-5f);
    EXPECT_NEAR(screen.replayLabelColour().a, 0.33f, 1e-5f);
    screen.advance(0.6);
    EXPECT_NEAR(screen.replayLabelPhase(), 0.2f, 1e-5f);
    // Fast forward speeds the pulse with the game.
    screen.keyEvent(OrbKeyTab, OrbKeyPressed, 0);
    screen.advance(0.1);
    EXPECT_NEAR(screen.replayLabelPhase(), 0.5f, 1e-5f);
    // A new cave starts the pulse over.
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::BestReplay, 0, kSolution));
    EXPECT_FLOAT_EQ(screen.replayLabelPhase(), 0.0f);
}

TEST_F(GvGameScreenTest, NewCaveClearsCheatsFastForwardAndHeldKeys) {
    ASSERT_TRUE(screen.startLevel());
    screen.setCheated();
    screen.keyEvent(OrbKeyTab, OrbKeyPressed, 0);
    screen.keyEvent(OrbKeyShift, OrbKeyPressed, OrbModShift);
    screen.keyEvent(OrbKeyUp, OrbKeyPressed, OrbModShift);
    EXPECT_TRUE(screen.cheated());
    ASSERT_TRUE(screen.startLevel());
    EXPECT_FALSE(screen.cheated());
    EXPECT_FALSE(screen.fastForward());
    EXPECT_FALSE(screen.viewAdjust());
    EXPECT_TRUE(screen.world().input_enabled);
    EXPECT_EQ(screen.world().keys_held, 0);
    EXPECT_EQ(screen.world().clock_time, 0.0);
    screen.advance(0.01);
    // The world is dated by the program clock before it advances.
    EXPECT_DOUBLE_EQ(screen.world().clock_time, now);
}

TEST_F(GvGameScreenTest, CameraStartsPlacedAndReachesThePlayer) {
    // A long cave so that the camera has somewhere to go.
    std::string text = "gravik 3\ncave 60, 4\n{\ntick_rate 10\npre_game_ticks 20\n"
                       "game_ticks 100\nraw 0, 1, \"";
    text += std::string(55, ' ') + "P   \"\n}\n";
    OrbMemoryStream stream(text);
    std::vector<std::string> messages;
    auto longPack = loadLevelPack(stream, &messages, false);
    ASSERT_NE(longPack, nullptr) << (messages.empty() ? "" : messages.front());
    screen.setLevelPack(longPack.get());
    screen.setSelectedLevel(0);
    ASSERT_TRUE(screen.startLevel());
    // In box at 55: the camera starts 15 tiles left of it, clamped to the view.
    EXPECT_FLOAT_EQ(screen.camera().cameraX, 40.0f);
    run(3.0);
    EXPECT_NEAR(screen.camera().cameraX, 60.0f - 9.6f, 0.05f);
}

TEST(GvGameScreenStatistics, RecordsTheFinishedRunUnderTheLevelDigest) {
    char templ[] = "/tmp/gravik-screen-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    const std::string root = templ;
    {
        const ScopedEnv data("XDG_DATA_HOME", root + "/data");
        auto pack = makePack();
        ASSERT_NE(pack, nullptr);
        GvStatistics stats("Vendor", "Gravik");
        stats.load("tiny.grv");
        GvGameScreen screen;
        screen.setLevelPack(pack.get());
        ASSERT_TRUE(screen.startPlayback(GvPlayMode::Demo, 0, kSolution));
        for (int i = 0; i < 500 && screen.world().state != GvWorldState::Completed; ++i) {
            screen.advance(0.02);
        }
        ASSERT_EQ(screen.world().state, GvWorldState::Completed);
        EXPECT_TRUE(screen.recordRun(stats));
        GvStatistics::Key key{};
        pack->levelDigest(0, key.data());
        const GvCaveRecord* record = stats.find(key);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->completions, 1);
        EXPECT_EQ(record->bestDiamonds, 1);
        EXPECT_EQ(record->bestTimeLeft, screen.world().remainingTicks());
        EXPECT_GT(record->bestTimeLeft, 0);
        EXPECT_EQ(record->bestTimeRecording, screen.world().input_record);
        EXPECT_TRUE(std::filesystem::exists(stats.folder() + "tiny.grv.stats"));
        // The same run again is no new best.
        EXPECT_FALSE(screen.recordRun(stats));
    }
    std::filesystem::remove_all(root);
}
