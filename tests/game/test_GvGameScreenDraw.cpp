#include "game/GvGameScreen.h"

#include "formats/GvLevelPackLoader.h"
#include "game/drawing/GvResources.h"
#include "graphics/GlTestWindow.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbProjection.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A small cave in the middle of a larger view: the rows above and below it and
// the columns beside it stay empty, so what the screen draws there is its own.
const char* const kPack = "gravik 3\n"
                          "cave 6, 4\n{\nname \"Drawn\"\ntick_rate 10\npre_game_ticks 2\n"
                          "game_ticks 100\ndiamond_quota 1\n"
                          "raw 0, 0, \"WWWWWW\"\nraw 0, 1, \"WP dXW\"\nraw 0, 2, \"W....W\"\n"
                          "raw 0, 3, \"WWWWWW\"\n}\n";

class GameScreenWindow : public ::testing::Test {
protected:
    void SetUp() override {
        GRAVIK_REQUIRE_DISPLAY();
        ASSERT_TRUE(impl.open());
        OrbMemoryStream stream(kPack);
        std::vector<std::string> messages;
        pack = loadLevelPack(stream, &messages, false);
        ASSERT_NE(pack, nullptr);
        resources = std::make_unique<GvResources>();
        resources->setUpGraphics(impl.drawableWidth(), impl.drawableHeight());
        screen.setResources(resources.get());
        screen.setLevelPack(pack.get());
        screen.setClock([this] { return now; });
    }
    void TearDown() override {
        if (resources) {
            resources->releaseGraphics();
        }
    }

    // Draws one frame and reads the whole window back.
    std::vector<unsigned char> frame(float fade) {
        std::vector<unsigned char> pixels;
        view.onDraw = [&] {
            OrbGlState::setUpDrawing();
            screen.draw(fade);
            OrbGlState::finish();
            pixels = OrbGlState::readPixels(0, 0, width(), height());
        };
        impl.paintNow();
        view.onDraw = nullptr;
        return pixels;
    }
    int width() const { return impl.drawableWidth(); }
    int height() const { return impl.drawableHeight(); }
    // Pixels (read bottom-up) in rows [y0, y1) and columns [x0, x1) that are not black.
    int lit(const std::vector<unsigned char>& pixels, int x0, int x1, int y0, int y1) const {
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                count += (rgbAt(pixels, width(), x, y) & 0xFFFFFFu) != 0 ? 1 : 0;
            }
        }
        return count;
    }

    OrbViewImplSingle impl{"game screen test", 320, 200, OrbWindowNormal};
    GlTestView view{impl};
    std::unique_ptr<GvLevelPack> pack;
    std::unique_ptr<GvResources> resources;
    GvGameScreen screen;
    double now = 50.0;
};

} // namespace

TEST_F(GameScreenWindow, StatusLineOnlyOutsideDemosAndTheCaveInTheMiddle) {
    ASSERT_TRUE(screen.startLevel());
    const int status = resources->statusLineHeight();
    ASSERT_GT(status, 1);
    auto pixels = frame(1.0f);
    ASSERT_EQ(pixels.size(), std::size_t(width() * height() * 4));
    // The cave's name is written across the status line at the top of the window.
    EXPECT_GT(lit(pixels, 0, width(), height() - status, height()), 0);
    // The cave in the middle of the game area.
    const int game = height() - status;
    EXPECT_GT(lit(pixels, width() / 3, 2 * width() / 3, game / 3, 2 * game / 3),
              width() * game / 20);
    // Nothing in the empty corners of the game area.
    EXPECT_EQ(lit(pixels, 0, 10, 0, 10), 0);

    // Once play starts the line shows the counters instead of the name.
    screen.advance(0.5);
    ASSERT_NE(screen.world().state, GvWorldState::PreGame);
    pixels = frame(1.0f);
    EXPECT_GT(lit(pixels, 0, width() / 3, height() - status, height()), 0);
    EXPECT_GT(lit(pixels, 2 * width() / 3, width(), height() - status, height()), 0);

    // A demo uses the whole window and shows no status line.
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::Demo, 0, {{0, 100}}));
    screen.setOverlayHidden(true);
    screen.updateViewSize(resources->projection(3).canvas().width,
                          resources->projection(3).canvas().height);
    pixels = frame(1.0f);
    EXPECT_EQ(lit(pixels, 0, width(), height() - status, height()), 0);
    EXPECT_GT(lit(pixels, width() / 3, 2 * width() / 3, height() / 3, 2 * height() / 3),
              width() * height() / 20);
}

TEST_F(GameScreenWindow, QuotaFlashClearsToFadedWhite) {
    ASSERT_TRUE(screen.startLevel());
    screen.world().quota_flash_time = now + 0.1;
    auto pixels = frame(1.0f);
    EXPECT_EQ(rgbAt(pixels, width(), 2, 2) & 0xFFFFFFu, 0xFFFFFFu);
    pixels = frame(0.5f);
    const unsigned half = rgbAt(pixels, width(), 2, 2) & 0xFFu;
    EXPECT_NEAR(int(half), 128, 2);
    now += 0.2;
    pixels = frame(1.0f);
    EXPECT_EQ(rgbAt(pixels, width(), 2, 2) & 0xFFFFFFu, 0u);
}

TEST_F(GameScreenWindow, FadeDimsTheCaveAsWellAsTheStatusLine) {
    ASSERT_TRUE(screen.startLevel());
    const int game = height() - resources->statusLineHeight();
    // The summed brightness of the cave in the middle of the game area.
    auto caveLight = [&](const std::vector<unsigned char>& pixels) {
        long sum = 0;
        for (int y = game / 3; y < 2 * game / 3; ++y) {
            for (int x = width() / 3; x < 2 * width() / 3; ++x) {
                const unsigned rgb = rgbAt(pixels, width(), x, y);
                sum += long(rgb & 0xffu) + long((rgb >> 8) & 0xffu) + long((rgb >> 16) & 0xffu);
            }
        }
        return sum;
    };
    const long full = caveLight(frame(1.0f));
    const long half = caveLight(frame(0.5f));
    ASSERT_GT(full, 0);
    EXPECT_NEAR(double(half) / double(full), 0.5, 0.05);
}

TEST_F(GameScreenWindow, ReplayLabelInTheBottomRightCornerUnlessHidden) {
    ASSERT_TRUE(screen.startPlayback(GvPlayMode::BestReplay, 0, {{0, 100}}));
    screen.advance(0.6); // the label's brightest moment
    const int x0 = width() / 2;
    const int y1 = (height() - resources->statusLineHeight()) / 4;
    auto pixels = frame(1.0f);
    EXPECT_GT(lit(pixels, x0, width(), 0, y1), 0);
    screen.setOverlayHidden(true);
    pixels = frame(1.0f);
    EXPECT_EQ(lit(pixels, x0, width(), 0, y1), 0);
    // Live play shows no label.
    screen.setOverlayHidden(false);
    ASSERT_TRUE(screen.startLevel());
    screen.advance(0.6);
    pixels = frame(1.0f);
    EXPECT_EQ(lit(pixels, x0, width(), 0, y1), 0);
}
