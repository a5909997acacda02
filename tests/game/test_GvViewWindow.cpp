#include "game/GvGameScreen.h"
#include "game/GvStatistics.h"
#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvAboutBox.h"
#include "game/panels/GvBonusFailedMenu.h"
#include "game/panels/GvErrorBox.h"
#include "game/panels/GvGameOverMenu.h"
#include "game/panels/GvHelpBox.h"
#include "game/panels/GvLevelCompleteMenu.h"
#include "game/panels/GvLevelPackBox.h"
#include "game/panels/GvOptionsBox.h"
#include "game/panels/GvPausedMenu.h"
#include "game/panels/GvStartBox.h"
#include "game/panels/GvTitleMenu.h"
#include "graphics/GlTestWindow.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbPngWriter.h"
#include "graphics/OrbViewImplSingle.h"
#include "levelpack/GvLevelPack.h"
#include "ui/GvSlider.h"

#include "GvViewTestSupport.h"
#include "game/panels/PanelTestSupport.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The real window at 800 x 600 (six pixels per canvas unit), driven by its own
// loop; frames and single panels are read back.
class GvViewWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        GRAVIK_REQUIRE_DISPLAY();
        // A first start opens maximized; these pictures are taken at 800 x 600.
        folder.settings().writeBool("WindowMaximized", false);
        impl = std::make_unique<OrbViewImplSingle>("Gravik", 800, 600, OrbWindowNormal);
        view = std::make_unique<GvView>(*impl);
        ASSERT_TRUE(impl->open());
        width = impl->drawableWidth();
        height = impl->drawableHeight();
    }

    void TearDown() override {
        view.reset();
        impl.reset();
    }

    // Runs the window's loop until no screen transition is under way; a loaded
    // machine draws slowly, so this waits on the state rather than on the clock.
    bool settle() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        auto moving = [&] {
            return view->mode() == GvViewMode::MenuTransition ||
                   view->mode() == GvViewMode::GameTransition ||
                   view->mode() == GvViewMode::Starting;
        };
        do {
            impl->loopPass();
        } while (moving() && impl->isOpen() && std::chrono::steady_clock::now() < end);
        return !moving();
    }

    // Draws one panel alone on black in the menu projection and reads it back, so
    // that every lit pixel is the panel's own.
    void drawAlone(GvPanel& panel) {
        panel.prepareDraw();
        OrbGlState::clear(OrbColor{0.0f, 0.0f, 0.0f, 1.0f});
        view->resources().useProjection(0);
        panel.draw(OrbColor{1.0f, 1.0f, 1.0f, 1.0f});
        OrbGlState::finish();
        pixels = OrbGlState::readPixels(0, 0, width, height);
    }

    // The pixel of the menu canvas under a point, counted from the bottom-left.
    std::pair<int, int> toPixel(OrbPoint p) const {
        const OrbRect canvas = view->resources().projection(0).canvas();
        const int x = static_cast<int>((p.x - canvas.x) / canvas.width * width);
        const int y = static_cast<int>((p.y - canvas.y) / canvas.height * height);
        return {std::clamp(x, 0, width - 1), std::clamp(y, 0, height - 1)};
    }

    // The pixel under a canvas point, as 0xRRGGBB.
    unsigned at(OrbPoint p) const {
        const auto [x, y] = toPixel(p);
        const unsigned char* px = &pixels[(static_cast<std::size_t>(y) * width + x) * 4];
        return (unsigned(px[0]) << 16) | (unsigned(px[1]) << 8) | px[2];
    }

    // The brightest blue along a short line across a point (one unit each way),
    // so that a thin rim is found whatever pixel it falls on.
    int brightestBlue(OrbPoint p, OrbPoint across) const {
        int best = 0;
        for (float t = -1.0f; t <= 1.0f; t += 0.1f) {
            best = std::max(best, int(at({p.x + across.x * t, p.y + across.y * t}) & 255));
        }
        return best;
    }

    // Pixels of a canvas rectangle whose every channel passes a threshold.
    int countAbove(const OrbRect& r, int threshold) const {
        int count = 0;
        const float step = 0.1f;
        for (float y = r.y; y < r.y + r.height; y += step) {
            for (float x = r.x; x < r.x + r.width; x += step) {
                const unsigned c = at({x, y});
                count += int(c >> 16) > threshold && int((c >> 8) & 255) > threshold &&
                         int(c & 255) > threshold;
            }
        }
        return count;
    }

    // The whole frame as the player sees it, saved as a PNG.
    void shot(const std::string& path) {
        view->draw();
        OrbGlState::finish();
        std::vector<unsigned char> bottomUp = OrbGlState::readPixels(0, 0, width, height);
        std::vector<unsigned char> topDown(bottomUp.size());
        const std::size_t row = static_cast<std::size_t>(width) * 4;
        for (int y = 0; y < height; ++y) {
            std::copy_n(bottomUp.begin() + static_cast<long>((height - 1 - y) * row), row,
                        topDown.begin() + static_cast<long>(y * row));
        }
        for (std::size_t i = 3; i < topDown.size(); i += 4) {
            topDown[i] = 255;
        }
        const std::vector<unsigned char> png = OrbPngWriter::encode(topDown.data(), width, height);
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr) << path;
        std::fwrite(png.data(), 1, png.size(), file);
        std::fclose(file);
    }

    ViewTestFolder folder;
    std::unique_ptr<OrbViewImplSingle> impl;
    std::unique_ptr<GvView> view;
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
};

TEST_F(GvViewWindowTest, TitleMenuThenACaveThenThePauseMenu) {
    ASSERT_TRUE(settle());
    ASSERT_EQ(view->mode(), GvViewMode::InMenu);
    // A double click on an entry opens its panel once.
    const OrbPoint options = centreOf(*findText(view->titleMenu(), "OPTIONS"));
    const auto [px, bottomUp] = toPixel(options);
    const int py = height - 1 - bottomUp;
    view->mouseButton(OrbMouseLeft, OrbMousePress, px, py, 0);
    view->mouseButton(OrbMouseLeft, OrbMouseRelease, px, py, 0);
    view->mouseButton(OrbMouseDoubleClick, OrbMousePress, px, py, 0);
    view->mouseButton(OrbMouseLeft, OrbMouseRelease, px, py, 0);
    ASSERT_TRUE(settle());
    ASSERT_EQ(view->modalPanel(), &view->optionsBox());
    EXPECT_EQ(view->panelStackDepth(), 1u);
    view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
    ASSERT_TRUE(settle());
    ASSERT_EQ(view->modalPanel(), &view->titleMenu());
    tapKey(*view, OrbKeyReturn); // START
    ASSERT_TRUE(settle());
    ASSERT_EQ(view->modalPanel(), &view->startBox());
    tapKey(*view, OrbKeyReturn); // START the first cave
    ASSERT_TRUE(settle());
    ASSERT_EQ(view->mode(), GvViewMode::InGame);
    view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
    ASSERT_TRUE(settle());
    ASSERT_EQ(view->mode(), GvViewMode::OverlayOnGame);
    EXPECT_EQ(view->modalPanel(), &view->pausedMenu(true));
}

TEST_F(GvViewWindowTest, TheFrameIsDrawnWithItsRimOnTheOutline) {
    ASSERT_TRUE(settle());
    GvHelpBox& help = view->helpBox();
    help.reset();
    drawAlone(help);
    const OrbRect b = help.bounds();
    const float midY = b.y + b.height / 2.0f;
    // The rim is bright blue on each side of the outline; beyond it nothing is drawn.
    EXPECT_GT(brightestBlue({b.x, midY}, {1.0f, 0.0f}), 110);
    EXPECT_GT(brightestBlue({b.x + b.width, midY}, {1.0f, 0.0f}), 110);
    EXPECT_GT(brightestBlue({0.0f, b.y}, {0.0f, 1.0f}), 110);
    EXPECT_GT(brightestBlue({0.0f, b.y + b.height}, {0.0f, 1.0f}), 110);
    EXPECT_EQ(at({b.x - 3.0f, midY}), 0u);
    EXPECT_EQ(at({0.0f, b.y + b.height + 3.0f}), 0u);
    // The corner is rounded: the frame's bounding corner itself stays dark.
    EXPECT_LT(int(at({b.x + 0.2f, b.y + 0.2f}) & 255), 60);
    // Inside, the body is a dark blue.
    const unsigned body = at({b.x + 2.0f, b.y + 2.5f});
    EXPECT_GT(int(body & 255), int(body >> 16));
    EXPECT_LT(int(body & 255), 80) << "the rim stands out from the body";
}

TEST_F(GvViewWindowTest, OnlyTheFocusedButtonHasAWhiteLabel) {
    ASSERT_TRUE(settle());
    GvPausedMenu& menu = view->pausedMenu(false);
    menu.reset();
    const OrbRect resume = findText(menu, "RESUME")->bounds();
    const OrbRect abort = findText(menu, "ABORT")->bounds();
    drawAlone(menu);
    EXPECT_GT(countAbove(resume, 235), 20);
    EXPECT_EQ(countAbove(abort, 235), 0);
    menu.keyEvent(OrbKeyDown, OrbKeyPressed, 0);
    drawAlone(menu);
    EXPECT_EQ(countAbove(resume, 235), 0);
    EXPECT_GT(countAbove(abort, 235), 20);
}

TEST_F(GvViewWindowTest, TheSliderIsFilledUpToTheVolume) {
    ASSERT_TRUE(settle());
    GvOptionsBox& options = view->optionsBox();
    options.reset();
    const OrbRect track = options.slider()->track()->bounds();
    const OrbPoint probe{track.x + track.width * 0.5f, track.y + track.height / 2.0f};
    view->setVolume(0.25f);
    drawAlone(options);
    const unsigned empty = at(probe);
    view->setVolume(0.75f);
    drawAlone(options);
    const unsigned filled = at(probe);
    EXPECT_GT(int(empty & 255), 10) << "the track itself is drawn";
    EXPECT_GT(int(filled & 255), int(empty & 255) * 3 / 2);
}

TEST_F(GvViewWindowTest, AReplayButtonWithNothingToReplayIsNotDrawn) {
    ASSERT_TRUE(settle());
    GvStatistics::Key key{};
    view->levelPack().levelDigest(0, key.data());
    view->statistics().record(3, 250, key, {});
    view->setSelectedLevel(0);
    GvStartBox& box = view->startBox();
    box.reset();
    const OrbRect place = box.replayButton(0)->bounds();
    drawAlone(box);
    EXPECT_EQ(countAbove(place, 20), 0);
    view->statistics().record(4, 260, key, {{8, 5}, {0, 3}});
    box.reset();
    drawAlone(box);
    EXPECT_GT(countAbove(box.replayButton(0)->bounds(), 20), 10);
}

TEST_F(GvViewWindowTest, PicturesOfEveryPanel) {
    const std::string dir = GRAVIK_PANEL_SHOTS;
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(settle());
    ASSERT_EQ(view->mode(), GvViewMode::InMenu);
    shot(dir + "/GvTitleMenu.png");
    const struct {
        GvPanel* panel;
        const char* name;
    } panels[] = {
        {&view->startBox(), "GvStartBox"},
        {&view->levelPackBox(), "GvLevelPackBox"},
        {&view->optionsBox(), "GvOptionsBox"},
        {&view->helpBox(), "GvHelpBox"},
        {&view->aboutBox(), "GvAboutBox"},
        {&view->pausedMenu(true), "GvPausedMenu"},
        {&view->gameOverMenu(), "GvGameOverMenu"},
        {&view->bonusFailedMenu(), "GvBonusFailedMenu"},
        {&view->levelCompleteMenu(true), "GvLevelCompleteMenu"},
    };
    for (const auto& entry : panels) {
        view->showScreen(entry.panel);
        ASSERT_TRUE(settle());
        ASSERT_EQ(view->modalPanel(), entry.panel) << entry.name;
        shot(dir + "/" + entry.name + ".png");
    }
    view->showError("Unable to load 'caves.grv':\n\nLine 3: a cave needs a size.");
    ASSERT_TRUE(settle());
    shot(dir + "/GvErrorBox.png");
    for (const char* name : {"GvTitleMenu", "GvStartBox", "GvErrorBox"}) {
        EXPECT_GT(std::filesystem::file_size(dir + "/" + name + ".png"), 1000u) << name;
    }
}

} // namespace
