#include "game/drawing/GvResources.h"
#include "game/drawing/GvWorldRenderer.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbProjection.h"
#include "graphics/OrbView.h"
#include "graphics/OrbViewImplSingle.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

// Drawing one frame of a busy 100 x 100 cave in a 1920 x 1080 window: the world
// is batched, the batches are drawn (one call per texture and pass) and GL is
// waited for, so the time includes the driver. Run it under a virtual display
// at least that large, e.g. xvfb-run -s "-screen 0 1920x1080x24".

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::string busyCave(int size, std::uint32_t seed) {
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

// A view that lends its context and uploads the game's pictures.
class BenchView : public OrbView {
public:
    BenchView(OrbViewImpl& impl, GvResources& resources) : OrbView(impl), resources_(resources) {}
    void graphicsCreated(int width, int height) override {
        resources_.setUpGraphics(width, height);
    }
    void graphicsReleased() override { resources_.releaseGraphics(); }
    void draw() override {}

private:
    GvResources& resources_;
};

struct Scene {
    GvResources resources;
    OrbViewImplSingle impl{"Gravik render benchmark", kWidth, kHeight, OrbWindowNormal};
    BenchView view{impl, resources};
    GvWorld world{7};
    bool open = false;

    Scene() {
        if (!OrbViewImplSingle::displayAvailable() || !impl.open()) {
            return;
        }
        open = true;
        GvWorldText::parse(world, busyCave(100, 2024));
        world.tick_rate = 10.0f;
        world.pre_game_ticks = 0;
        world.game_ticks = 1000000;
        world.amoeba_size_limit = 5000;
        world.magic_wall_ticks = 200;
        world.findPlayer();
        // Half a second of play: things fall, roll, explode and slide mid-tick.
        for (int i = 0; i < 33; ++i) {
            world.advance(1.0 / 60.0);
        }
    }
    ~Scene() {
        if (open) {
            impl.destroyWindow();
        }
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

// Draws one frame of `cols` x `rows` cells around the cave's centre, the whole
// window being the game area.
void drawFrame(Scene& s, float cols, float rows, int& calls, int& quads) {
    GvResources& r = s.resources;
    const OrbProjection& p = r.projection(OrbProjectionGameFull);
    r.useScaledProjection(OrbProjectionGameFull, p.canvas().width / cols, p.canvas().height / rows);
    OrbGlState::clear(OrbColor{0, 0, 0, 1});
    GvWorldRenderer::View view;
    view.cameraX = 50.0f;
    view.cameraY = 50.0f;
    const float hx = cols / 2.0f + 0.5f;
    const float hy = rows / 2.0f + 0.5f;
    view.firstCol = std::max(0, static_cast<int>(std::floor(view.cameraX - 0.5f - hx - 1)));
    view.lastCol = std::min(99, static_cast<int>(std::ceil(view.cameraX - 0.5f + hx + 1)));
    view.firstRow = std::max(0, static_cast<int>(std::floor(view.cameraY - 0.5f - hy - 1)));
    view.lastRow = std::min(99, static_cast<int>(std::ceil(view.cameraY - 0.5f + hy + 1)));
    quads = 0;
    r.drawFiller(s.world, 1.0f,
                 OrbRect{view.cameraX - cols / 2, view.cameraY - rows / 2, cols, rows},
                 view.cameraX, view.cameraY);
    calls = r.renderer().drawWorld(s.world, view);
    OrbGlState::finish();
}

void runFrames(benchmark::State& state, float cols, float rows) {
    Scene& s = scene();
    if (!s.open) {
        state.SkipWithError("no display: run under xvfb-run -s \"-screen 0 1920x1080x24\"");
        return;
    }
    int calls = 0;
    int quads = 0;
    for (auto _ : state) {
        drawFrame(s, cols, rows, calls, quads);
    }
    state.counters["draw_calls_per_frame"] = calls;
}

} // namespace

// The whole cave in the window, as in the full presentation.
static void BM_RenderWholeBusyCave1080p(benchmark::State& state) {
    runFrames(state, 100.0f * kWidth / kHeight, 100.0f);
}
BENCHMARK(BM_RenderWholeBusyCave1080p)->Unit(benchmark::kMillisecond);

// The scrolling presentation: twelve rows high.
static void BM_RenderScrollingView1080p(benchmark::State& state) {
    runFrames(state, 12.0f * kWidth / kHeight, 12.0f);
}
BENCHMARK(BM_RenderScrollingView1080p)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
