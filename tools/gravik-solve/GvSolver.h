#pragma once

#include "platform/GvInputRecording.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class GvLevelPack;
class GvWorld;

// Finds an input recording that plays one level of a pack to completion with its
// quota met. It walks from goal to goal (the next diamond, a dirt cell that holds
// up a boulder, the open out box) along paths that avoid creatures, explosions and
// falling objects, playing every tick on the real world; when the player dies or
// gets stuck it backs up to an earlier goal and tries the next choice. Worlds are
// rebuilt from the level and the input so far, since play is deterministic.
class GvSolver {
public:
    struct Options {
        // Goal attempts before the search gives up.
        int maxSegments = 6000;
        // Diamonds (or dig cells) tried from one position, nearest first.
        int choices = 4;
        double maxSeconds = 120.0;
    };

    struct Result {
        bool solved = false;
        std::vector<GvInputBits> inputs;
        int segments = 0;
        int bestDiamonds = 0;
        // The input of the attempt that collected the most diamonds, for study.
        std::vector<GvInputBits> bestInputs;
    };

    GvSolver(const GvLevelPack& pack, int level, Options options);
    GvSolver(const GvLevelPack& pack, int level) : GvSolver(pack, level, Options()) {}

    Result solve();

    // Runs of equal input, as recordings and demos store them.
    static GvInputRecording toRecording(const std::vector<GvInputBits>& inputs);
    // Plays `inputs` on a freshly built world, one tick per input.
    std::unique_ptr<GvWorld> replay(const std::vector<GvInputBits>& inputs) const;
    // One tick with the given input, through a one-run replay so that the tick
    // consumes exactly this input.
    static void stepWith(GvWorld& world, GvInputBits bits);

    enum class GoalKind { diamond, exit, dig, wait };
    struct Goal {
        GoalKind kind = GoalKind::wait;
        int col = 0;
        int row = 0;
        int cost = 0;
    };
    enum class SegmentEnd { completed, progress, dead, stuck };

    // The goals worth trying from the world's present position, best first.
    std::vector<Goal> goals(const GvWorld& world) const;
    // Plays towards one goal, appending every tick's input.
    SegmentEnd runSegment(GvWorld& world, std::vector<GvInputBits>& inputs, const Goal& goal) const;

private:
    // Depth-first over goals; `waits` counts the wait goals just before this one.
    bool search(std::unique_ptr<GvWorld> world, const std::vector<GvInputBits>& prefix, int waits);
    bool outOfBudget() const;

    const GvLevelPack& pack_;
    const int level_;
    const Options options_;
    Result result_;
    std::chrono::steady_clock::time_point start_;
};
