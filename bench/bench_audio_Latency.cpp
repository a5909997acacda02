// How long a sound takes to reach the output: from `play` on the game thread to the
// first non-zero sample handed to the system, through the real device and its
// output thread. SDL's "dummy" driver takes each period at the pace it would play,
// so the figure is the delay of the two blocks in flight plus the period. Each
// trigger comes at a random moment within a block. Reported per trigger (manual
// time), with the worst one, the period SDL granted and the output thread's nice
// value as counters.

#include "audio/GvSfxModule.h"
#include "audio/OrbAudioDevice.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDiamondCollected = 3;

void triggerToFirstSample(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto module = std::make_unique<GvSfxModule>(1);
    GvSfxModule* sfx = module.get();
    OrbAudioDevice device(44100, std::move(module), 0);
    std::atomic<long long> firstSound{0}; // steady clock, nanoseconds; 0 while silent
    std::atomic<int> silentPeriods{0};
    device.setTap([&](const int16_t* samples, size_t count) {
        const bool sounding =
            std::any_of(samples, samples + count, [](int16_t s) { return s != 0; });
        if (sounding && firstSound.load() == 0) {
            firstSound.store(Clock::now().time_since_epoch().count());
        }
        silentPeriods.store(sounding ? 0 : silentPeriods.load() + 1);
    });
    if (!device.open()) {
        state.SkipWithError("no audio output");
        return;
    }
    device.waitUntilStarted();
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> offsetMicroseconds(0, 50000);
    double worst = 0.0;
    for (auto _ : state) {
        // Start from silence at a random moment within a block.
        while (silentPeriods.load() < 2) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(offsetMicroseconds(random)));
        firstSound.store(0);
        const auto start = Clock::now();
        sfx->play(kDiamondCollected);
        const auto deadline = start + std::chrono::seconds(1);
        while (firstSound.load() == 0 && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        const long long heard = firstSound.load();
        if (heard == 0) {
            state.SkipWithError("the sound never reached the output");
            break;
        }
        const double seconds =
            std::chrono::duration<double>(Clock::duration(heard) - start.time_since_epoch())
                .count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
        sfx->stop(kDiamondCollected);
        silentPeriods.store(0);
    }
    state.counters["worst_ms"] = worst * 1000.0;
    state.counters["period_frames"] = device.periodFrames();
    state.counters["thread_nice"] = device.outputThreadNice();
    device.close();
}

} // namespace

BENCHMARK(triggerToFirstSample)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
