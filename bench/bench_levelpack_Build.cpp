// Times building a large level into a world and computing its digest, the two
// things done at every level start.
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdStyle.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"

#include <benchmark/benchmark.h>

using T = GvPackedObjectType;

static std::unique_ptr<GvLevelPack> makeBusyPack(int size) {
    auto pack = std::make_unique<GvLevelPack>();
    auto def = pack->makeCave(size, size);
    def->commands.push_back(std::make_unique<GvCmdStyle>(T::steel_wall, 2));
    def->commands.push_back(
        std::make_unique<GvCmdRectFill>(0, 0, size - 1, size - 1, T::steel_wall, T::dirt));
    def->commands.push_back(std::make_unique<GvCmdRandomFill>(
        1, 1, size - 2, size - 2, T::dirt,
        std::vector<GvCmdRandomFill::Entry>{
            {T::boulder, 60}, {T::diamond, 80}, {T::space, 120}, {T::firefly_l, 122}}));
    def->variant(0)->unpack_seed = 1000;
    pack->caves.push_back(std::move(def));
    pack->assignCaveCodes();
    return pack;
}

static void BM_BuildLevel(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const auto pack = makeBusyPack(size);
    GvWorld world;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pack->buildLevel(0, world));
    }
    state.counters["cells/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * size * size, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BuildLevel)->Arg(40)->Arg(100);

static void BM_LevelDigest(benchmark::State& state) {
    const auto pack = makeBusyPack(100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pack->levelDigest(0));
    }
}
BENCHMARK(BM_LevelDigest);

BENCHMARK_MAIN();
