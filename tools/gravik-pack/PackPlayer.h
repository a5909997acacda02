#pragma once

#include "platform/GvInputRecording.h"
#include "sim/GvWorldState.h"

#include <memory>
#include <string>

class GvLevelPack;
class GvWorld;

// Plays levels without a window: builds a level into a world and advances it one
// tick at a time, as the game would at the level's tick rate, printing frames or
// replaying recorded input to the end.
class PackPlayer {
public:
    // The built level, or null with `error` set when it cannot be played.
    static std::unique_ptr<GvWorld> build(const GvLevelPack& pack, int level, std::string& error);
    // One `advance` that covers exactly one tick.
    static void step(GvWorld& world);
    // Completed or Ended: later advances change nothing.
    static bool finished(const GvWorld& world);
    // "tick T state S diamonds C/Q left R events HHHHHH", the grid, an empty line.
    static std::string frame(const GvWorld& world);
    static const char* stateName(GvWorldState state);

    struct Outcome {
        GvWorldState state = GvWorldState::PreGame;
        int diamonds = 0;
        int quota = 0;
        int ticksLeft = 0;
        int ticks = 0;

        bool completed() const { return state == GvWorldState::Completed && diamonds >= quota; }
    };
    // Replays `moves` on a freshly built level until it is Completed or Ended, or
    // the player is gone for good (PlayerGone). A replay ends at the latest one
    // tick after its input runs out.
    static bool play(const GvLevelPack& pack, int level, const GvInputRecording& moves,
                     Outcome& outcome, std::string& error);
    // "Completed, diamonds 10/10, left 345 ticks"
    static std::string describe(const Outcome& outcome);
};
