// CPU cost of the sound effects: one 50 ms block (2,205 frames, float mix plus the
// conversion to 16-bit) with all 24 voices sounding. The "realtime_fraction" counter
// is the CPU time per block divided by the 50 ms the block lasts.

#include "audio/GvSfxModule.h"
#include "audio/OrbAudioReformatter.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kBlock = 2205;
constexpr double kBlockSeconds = 0.05;

void renderBlockAllVoices(benchmark::State& state) {
    OrbAudioReformatter pcm(std::make_unique<GvSfxModule>(1), OrbAudioModule::kMono16);
    auto* sfx = static_cast<GvSfxModule*>(pcm.source());
    std::vector<int16_t> samples(kBlock);
    int sounding = 0;
    for (auto _ : state) {
        // Requested every block, as the game does each frame: looping voices keep
        // going, the others fade for 4 ms and restart, so every voice renders.
        for (int i = 0; i < GvSfxModule::kSoundCount; ++i) {
            sfx->play(i);
        }
        benchmark::DoNotOptimize(pcm.render(kBlock, samples.data()));
        benchmark::ClobberMemory();
    }
    for (int i = 0; i < GvSfxModule::kSoundCount; ++i) {
        sounding += sfx->sfxVoice(i)->isSounding();
    }
    state.counters["voices_sounding"] = sounding;
    state.counters["realtime_fraction"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBlockSeconds,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void renderBlockSilent(benchmark::State& state) {
    OrbAudioReformatter pcm(std::make_unique<GvSfxModule>(1), OrbAudioModule::kMono16);
    std::vector<int16_t> samples(kBlock);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pcm.render(kBlock, samples.data()));
    }
    state.counters["realtime_fraction"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBlockSeconds,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(renderBlockAllVoices)->Unit(benchmark::kMicrosecond);
BENCHMARK(renderBlockSilent)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
