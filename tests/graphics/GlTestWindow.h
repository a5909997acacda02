#pragma once

#include "graphics/OrbView.h"
#include "graphics/OrbViewImplSingle.h"

#include <GL/gl.h>
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Whether the test command promised a working display (GRAVIK_DISPLAY_REQUIRED=1, set
// where it runs the tests under a virtual one): then anything that would skip a
// window or GL test for want of it fails instead, so a broken display setup cannot
// pass unnoticed.
inline bool displayRequired() {
    const char* value = std::getenv("GRAVIK_DISPLAY_REQUIRED");
    return value != nullptr && std::string(value) == "1";
}

// Skips the current test, or fails it when a display was promised.
#define GRAVIK_SKIP_WITHOUT(what)                                                                  \
    do {                                                                                           \
        if (displayRequired()) {                                                                   \
            GTEST_FAIL() << what << ", though GRAVIK_DISPLAY_REQUIRED=1 promised one";             \
        }                                                                                          \
        GTEST_SKIP() << what;                                                                      \
    } while (0)

// Skips (or fails, see above) the current test when no display can be opened.
#define GRAVIK_REQUIRE_DISPLAY()                                                                   \
    do {                                                                                           \
        if (!OrbViewImplSingle::displayAvailable()) {                                              \
            GRAVIK_SKIP_WITHOUT("No display: window and GL tests need one; run them under "        \
                                "xvfb-run");                                                       \
        }                                                                                          \
    } while (0)

// A view whose drawing a test supplies. It records what the window layer tells it.
class GlTestView : public OrbView {
public:
    explicit GlTestView(OrbViewImpl& impl, int mode = OrbWindowNormal, OrbWindowRect rect = {})
        : OrbView(impl), mode_(mode), rect_(rect) {}

    void draw() override {
        ++draws;
        if (onDraw) {
            onDraw();
        }
    }
    bool initialPlacement(int& mode, OrbWindowRect& rect) override {
        mode = mode_;
        rect = rect_;
        return true;
    }
    void graphicsCreated(int width, int height) override {
        created.emplace_back(width, height);
        if (onCreated) {
            onCreated();
        }
    }
    void graphicsReleased() override {
        ++released;
        if (onReleased) {
            onReleased();
        }
    }
    void resized(int width, int height) override { sizes.emplace_back(width, height); }
    bool keyEvent(int key, int state, int modifiers) override {
        keys.push_back({key, state, modifiers});
        return true;
    }
    bool mouseButton(int button, int action, int x, int y, int modifiers) override {
        buttons.push_back({button, action, x, y, modifiers});
        return true;
    }
    bool mouseMove(int x, int y, int) override {
        moves.push_back({x, y});
        return true;
    }
    void focusChanged(bool focused) override { focusCalls.push_back(focused); }
    void advance(double seconds) override {
        advanced.push_back(seconds);
        if (onAdvance) {
            onAdvance();
        }
    }
    void saveState() override { ++saves; }

    std::function<void()> onDraw;
    std::function<void()> onCreated;
    std::function<void()> onReleased;
    std::function<void()> onAdvance;
    int draws = 0;
    int released = 0;
    int saves = 0;
    std::vector<std::pair<int, int>> created;
    std::vector<std::pair<int, int>> sizes;
    std::vector<std::vector<int>> keys;
    std::vector<std::vector<int>> buttons;
    std::vector<std::vector<int>> moves;
    std::vector<bool> focusCalls;
    std::vector<double> advanced;

private:
    int mode_;
    OrbWindowRect rect_;
};

// Reads the whole drawable as RGBA, bottom row first.
inline std::vector<unsigned char> readPixels(int width, int height) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The RGB of pixel (x, y) counted from the bottom-left, packed as 0xRRGGBB.
inline unsigned rgbAt(const std::vector<unsigned char>& pixels, int width, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 4;
    return (unsigned(pixels[i]) << 16) | (unsigned(pixels[i + 1]) << 8) | pixels[i + 2];
}

// Sets the GL state the game draws with: textures, smooth shading, alpha blending.
inline void setUpDrawingState() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Keeps the display connection open from the first test to the end of the program.
// The GL driver is loaded once per connection and unloaded when it closes, and
// the leak check can neither attribute nor suppress what an unloaded driver left.
// Only a real display is held: SDL falls back to a driver that draws nowhere when
// the display refuses a connection, and a fallback held here would stay in force
// for the whole program, so that no later test could reach the display however
// long it retried. Where a display was promised, a refusal is waited out for a
// while longer than a single window takes (a loaded virtual display has refused
// for several seconds); elsewhere one try does, so that runs without any display
// do not wait at the start of every test program.
class SdlVideoEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        const int rounds = displayRequired() ? 5 : 1;
        for (int round = 0; round < rounds; ++round) {
            if (hold()) {
                return;
            }
        }
        if (displayRequired()) {
            std::fprintf(stderr, "No display to hold for the whole run: %s\n", SDL_GetError());
        }
    }

private:
    static bool hold() {
        if ((displayRequired() && !OrbViewImplSingle::displayAvailable()) ||
            SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            return false;
        }
        const char* driver = SDL_GetCurrentVideoDriver();
        const std::string name = driver != nullptr ? driver : "";
        if (name.empty() || name == "offscreen" || name == "dummy") {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            return false;
        }
        return true;
    }
};

// Registered once in every test program with window or GL tests, however many of
// its files include this.
inline ::testing::Environment* const kSdlVideoEnvironment =
    ::testing::AddGlobalTestEnvironment(new SdlVideoEnvironment);
