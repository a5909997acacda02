#include "game/GvGameScreen.h"
#include "game/GvView.h"
#include "graphics/GlTestWindow.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbKeyCode.h"
#include "graphics/OrbPngWriter.h"
#include "graphics/OrbViewImplSingle.h"

#include "GvViewTestSupport.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The real window, driven by its own loop for a while; frames are read back so that
// they can be checked and looked at (written as PNG files under the test folder).
class GvViewWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OrbViewImplSingle::displayAvailable()) {
            GRAVIK_SKIP_WITHOUT("No display: window tests need one; run them under xvfb-run");
        }
        // A first start opens maximized; these pictures are taken at 800 x 600.
        folder.settings().writeBool("WindowMaximized", false);
        impl = std::make_unique<OrbViewImplSingle>("Gravik", 800, 600, OrbWindowNormal);
        view = std::make_unique<GvView>(*impl);
        ASSERT_TRUE(impl->open());
    }

    void TearDown() override {
        view.reset();
        impl.reset();
    }

    // Runs the loop for the given time and then, on a machine too busy to finish a
    // screen change in that time, on until the change is over (at most 10 s more).
    void runFor(double seconds) {
        using Clock = std::chrono::steady_clock;
        const auto end = Clock::now() + std::chrono::duration<double>(seconds);
        const auto limit = end + std::chrono::seconds(10);
        while (impl->isOpen() && (Clock::now() < end || (inTransition() && Clock::now() < limit))) {
            impl->loopPass();
        }
    }
    bool inTransition() const {
        const GvViewMode mode = view->mode();
        return mode == GvViewMode::MenuTransition || mode == GvViewMode::GameTransition ||
               mode == GvViewMode::Starting;
    }

    // Draws a frame and reads it back, top row first; also saves it as `name`.png.
    std::vector<unsigned char> shot(const std::string& name) {
        view->draw();
        OrbGlState::finish();
        width = impl->drawableWidth();
        height = impl->drawableHeight();
        std::vector<unsigned char> bottomUp = OrbGlState::readPixels(0, 0, width, height);
        std::vector<unsigned char> pixels(bottomUp.size());
        const std::size_t row = static_cast<std::size_t>(width) * 4;
        for (int y = 0; y < height; ++y) {
            std::copy_n(bottomUp.begin() + static_cast<long>((height - 1 - y) * row), row,
                        pixels.begin() + static_cast<long>(y * row));
        }
        // The window ignores alpha; the cave clears to transparent black.
        for (std::size_t i = 3; i < pixels.size(); i += 4) {
            pixels[i] = 255;
        }
        const std::vector<unsigned char> png = OrbPngWriter::encode(pixels.data(), width, height);
        const std::string dir = std::filesystem::temp_directory_path().string() + "/gravik-shots";
        std::filesystem::create_directories(dir);
        if (FILE* file = std::fopen((dir + "/" + name + ".png").c_str(), "wb")) {
            std::fwrite(png.data(), 1, png.size(), file);
            std::fclose(file);
        }
        return pixels;
    }

    // How many pixels of a band of rows (fractions of the height) are not dark.
    int litPixels(const std::vector<unsigned char>& pixels, float top, float bottom) const {
        int lit = 0;
        for (int y = static_cast<int>(top * height); y < static_cast<int>(bottom * height); ++y) {
            for (int x = 0; x < width; ++x) {
                const unsigned char* p = &pixels[(static_cast<std::size_t>(y) * width + x) * 4];
                lit += (p[0] + p[1] + p[2]) > 200 ? 1 : 0;
            }
        }
        return lit;
    }

    ViewTestFolder folder;
    std::unique_ptr<OrbViewImplSingle> impl;
    std::unique_ptr<GvView> view;
    int width = 0;
    int height = 0;
};

TEST_F(GvViewWindowTest, TitleMenuThenACaveThenThePauseMenu) {
    runFor(0.8);
    ASSERT_EQ(view->mode(), GvViewMode::InMenu);
    const std::vector<unsigned char> title = shot("title");
    // The logo and the menu entries are bright against the dimmed backdrop.
    EXPECT_GT(litPixels(title, 0.05f, 0.45f), width * height / 100);

    view->keyEvent(OrbKeyReturn, OrbKeyPressed, 0); // START
    runFor(0.6);
    const std::vector<unsigned char> start = shot("start-box");
    EXPECT_NE(start, title);
    view->keyEvent(OrbKeyReturn, OrbKeyPressed, 0); // START the first cave
    runFor(1.5);
    ASSERT_EQ(view->mode(), GvViewMode::InGame);
    view->keyEvent(OrbKeyRight, OrbKeyPressed, 0);
    runFor(1.0);
    view->keyEvent(OrbKeyRight, OrbKeyReleased, 0);
    const std::vector<unsigned char> cave = shot("cave");
    EXPECT_GT(litPixels(cave, 0.0f, 1.0f), width * height / 50);

    view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
    runFor(0.6);
    ASSERT_EQ(view->mode(), GvViewMode::OverlayOnGame);
    const std::vector<unsigned char> paused = shot("paused");
    EXPECT_NE(paused, cave);
}

TEST_F(GvViewWindowTest, DialogsOfTheTitleMenu) {
    runFor(0.8);
    std::vector<std::vector<unsigned char>> seen = {shot("title-again")};
    int row = 0;
    for (const char* name : {"options", "help", "about"}) {
        // Coming back resets the title menu's focus to its first row.
        ++row;
        for (int i = 0; i < row; ++i) {
            view->keyEvent(OrbKeyDown, OrbKeyPressed, 0);
        }
        view->keyEvent(OrbKeyReturn, OrbKeyPressed, 0);
        runFor(0.6);
        const std::vector<unsigned char> dialog = shot(name);
        for (const auto& other : seen) {
            EXPECT_NE(dialog, other) << name;
        }
        seen.push_back(dialog);
        view->keyEvent(OrbKeyEscape, OrbKeyPressed, 0);
        runFor(0.6);
        ASSERT_EQ(view->mode(), GvViewMode::InMenu);
    }
}

} // namespace
