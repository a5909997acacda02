// Replays every solution of the standard pack headless, as the solution test does,
// and reports the time for all of them together and the CPU time per cell and tick.

#include "PackPlayer.h"
#include "PackSolutions.h"
#include "levelpack/GvLevelPack.h"
#include "standard/GvStandardPack.h"

#include <benchmark/benchmark.h>

static void replayStandardSolutions(benchmark::State& state) {
    const auto pack = loadStandardPack();
    std::vector<PackSolution> solutions;
    std::string error;
    if (!PackSolutions::read(GRAVIK_STANDARD_SOLUTIONS, *pack, solutions, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    long long ticks = 0;
    double cellTicks = 0.0;
    for (auto _ : state) {
        for (const PackSolution& solution : solutions) {
            PackPlayer::Outcome outcome;
            PackPlayer::play(*pack, solution.level, solution.moves, outcome, error);
            benchmark::DoNotOptimize(outcome);
            ticks += outcome.ticks;
            const GvCaveDef* cave = pack->cave(solution.level % pack->caveCount());
            cellTicks += double(outcome.ticks) * cave->width * cave->height;
        }
    }
    state.counters["solutions"] = static_cast<double>(solutions.size());
    state.counters["ticks_per_second"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
    // Rates are taken over CPU time, so the inverse is the CPU time per cell and
    // tick, level building included (printed with its unit, e.g. 5n = 5 ns).
    state.counters["time_per_cell_tick"] =
        benchmark::Counter(cellTicks, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(replayStandardSolutions)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
