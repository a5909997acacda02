#include "art/GvArt.h"
#include "game/GvView.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbPictureCodec.h"
#include "graphics/OrbViewImplSingle.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// The program's start in-process, as the entry point runs it: the window layer
// with its icon, the game controller on it (settings, statistics, the standard
// pack, the sound output, every picture, the panels), the window with its GL
// context and every texture uploaded, and the first frame painted and presented
// (GL is waited for). Run it under a virtual display, e.g.
// xvfb-run -s "-screen 0 1920x1080x24"; settings and statistics go to a scratch
// folder, never the user's.

namespace {

// Points the settings and data folders at a fresh scratch folder for the run.
class ScratchHome {
public:
    ScratchHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "gravik-startup-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
            setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
            setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
        }
    }
    ~ScratchHome() {
        std::error_code ignored;
        if (!folder_.empty()) {
            std::filesystem::remove_all(folder_, ignored);
        }
    }
    bool ready() const { return !folder_.empty(); }

private:
    std::filesystem::path folder_;
};

} // namespace

static void BM_StartupToFirstFrame(benchmark::State& state) {
    ScratchHome home;
    if (!home.ready()) {
        state.SkipWithError("no scratch folder for the settings");
        return;
    }
    if (!OrbViewImplSingle::displayAvailable()) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    using Clock = std::chrono::steady_clock;
    double controller = 0;
    double window = 0;
    double frame = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto impl = std::make_unique<OrbViewImplSingle>("Gravik", 800, 600, OrbWindowMaximized);
        const GvArtPicture& icon = GvArt::image(GvArtImage::WindowIcon);
        const std::vector<unsigned char> pixels = OrbPictureCodec::decode(
            icon.data.bytes, icon.data.compressedSize, icon.width, icon.height, 4);
        impl->setWindowIcon(pixels.data(), icon.width, icon.height);
        auto view = std::make_unique<GvView>(*impl);
        const auto built = Clock::now();
        if (!impl->open()) {
            state.SkipWithError("the window did not open");
            break;
        }
        const auto opened = Clock::now();
        impl->paintNow();
        OrbGlState::finish();
        const auto shown = Clock::now();
        controller += std::chrono::duration<double, std::milli>(built - start).count();
        window += std::chrono::duration<double, std::milli>(opened - built).count();
        frame += std::chrono::duration<double, std::milli>(shown - opened).count();

        state.PauseTiming();
        impl->destroyWindow();
        view.reset();
        impl.reset();
        state.ResumeTiming();
    }
    // Where the time goes, in milliseconds per start: building the controller
    // (inflating and converting included), opening the window (context and
    // uploads), painting and presenting the first frame.
    const double n = static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
    state.counters["controller_ms"] = controller / n;
    state.counters["window_ms"] = window / n;
    state.counters["first_frame_ms"] = frame / n;
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Decoding every embedded picture on one thread, the share of the start that
// the art's coding decides.
static void BM_DecodeAllArt(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (int i = 0; i <= static_cast<int>(GvArtImage::WindowIcon); ++i) {
            const GvArtPicture& pic = GvArt::image(static_cast<GvArtImage>(i));
            const std::vector<unsigned char> pixels =
                OrbPictureCodec::decode(pic.data.bytes, pic.data.compressedSize, pic.width,
                                        pic.height, GvArt::bytesPerPixel(pic.format));
            bytes += pixels.size();
            benchmark::DoNotOptimize(pixels.data());
        }
        for (int s = 0; s <= static_cast<int>(GvArtSet::SteelWall); ++s) {
            const GvArtFrames f = GvArt::frames(static_cast<GvArtSet>(s));
            // Two buffers in turn, each frame decoded against the one before,
            // as the game decodes into its textures' own memory.
            const std::size_t rowBytes =
                static_cast<std::size_t>(f.width) * GvArt::bytesPerPixel(f.format);
            std::vector<unsigned char> frames[2] = {
                std::vector<unsigned char>(rowBytes * f.height),
                std::vector<unsigned char>(rowBytes * f.height)};
            for (int i = 0; i < f.count; ++i) {
                std::vector<unsigned char>& out = frames[i % 2];
                OrbPictureCodec::decode(f.frames[i].bytes, f.frames[i].compressedSize, f.width,
                                        f.height, GvArt::bytesPerPixel(f.format), out.data(),
                                        rowBytes, i > 0 ? frames[(i + 1) % 2].data() : nullptr,
                                        rowBytes);
                bytes += out.size();
                benchmark::DoNotOptimize(out.data());
            }
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_DecodeAllArt)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
