#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

// A 100 x 100 cave walled in steel with a random mix of every kind of object
// (falling ones, lit bombs, explosions, boxes and dolls included), so that the
// tick meets all of their rules.
static std::string busyCave(int size, std::uint32_t seed) {
    static const char kMix[] = "....... rrdd bbwwMaas21436587@HRDBcCVGPXF*W";
    GvGamePlayRandomStream random(seed);
    std::string picture;
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            const bool edge = row == 0 || col == 0 || row == size - 1 || col == size - 1;
            picture += edge ? 'W' : kMix[random.next() % (sizeof(kMix) - 1)];
        }
        picture += '\n';
    }
    return picture;
}

static void prepare(GvWorld& world, const std::string& picture) {
    GvWorldText::parse(world, picture);
    world.tick_rate = 10.0f;
    world.pre_game_ticks = 0;
    world.game_ticks = 1000000;
    world.amoeba_size_limit = 5000;
    world.amoeba_chance = 30;
    world.amoeba_fast_chance = 60;
    world.amoeba_slow_ticks = 100;
    world.magic_wall_ticks = 200;
    world.slime_permeability = 20000;
    world.random.state = 1;
    world.findPlayer();
}

static double threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

static void BM_WorldAdvanceBusy(benchmark::State& state) {
    const int size = 100;
    const std::string picture = busyCave(size, 2024);
    GvWorld world(7);
    prepare(world, picture);
    double totalNs = 0.0;
    int ticksSinceBuild = 0;
    for (auto _ : state) {
        // A cave settles after a while; rebuild it outside the measurement.
        if (++ticksSinceBuild > 300 || world.state == GvWorldState::Ended ||
            world.state == GvWorldState::Completed) {
            state.PauseTiming();
            prepare(world, picture);
            ticksSinceBuild = 0;
            state.ResumeTiming();
        }
        // CPU time of this thread: on a shared machine the wall clock mostly
        // measures the other programs.
        const double start = threadCpuNs();
        world.advance(1.0 / world.tick_rate); // exactly one tick and its animation
        totalNs += threadCpuNs() - start;
        benchmark::DoNotOptimize(world.events);
    }
    state.counters["ns_per_cell_tick"] =
        totalNs / (double(state.iterations()) * double(size) * double(size));
}
BENCHMARK(BM_WorldAdvanceBusy);

BENCHMARK_MAIN();
