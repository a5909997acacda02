#include "game/GvGameScreen.h"
#include "game/GvView.h"
#include "graphics/GlTestWindow.h"
#include "graphics/OrbViewImplSingle.h"
#include "sim/GvObjectKind.h"
#include "sim/GvWorld.h"

#include "GvViewTestSupport.h"

#include <SDL.h>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A controller made by SDL itself, plugged in while the game runs, driving the game
// through the real window's event loop.
class GvViewGamepadTest : public ::testing::Test {
protected:
    void SetUp() override {
        GRAVIK_REQUIRE_DISPLAY();
        folder.settings().writeBool("WindowMaximized", false);
        // The test window may not have the focus; controllers must still be heard.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        impl = std::make_unique<OrbViewImplSingle>("Gravik", 640, 480, OrbWindowNormal);
        view = std::make_unique<GvView>(*impl);
        ASSERT_TRUE(impl->open());
        ASSERT_TRUE(view->choosePackFile(folder.writeFile("small.grv", smallPackText())));

        SDL_VirtualJoystickDesc pad{};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX;
        pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        pad.name = "Test pad";
        device = SDL_JoystickAttachVirtualEx(&pad);
        ASSERT_GE(device, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(device);
        ASSERT_NE(joystick, nullptr);
    }

    void TearDown() override {
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
        }
        if (device >= 0) {
            SDL_JoystickDetachVirtual(device);
        }
        view.reset();
        impl.reset();
        SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
    }

    // Runs the game until `done` holds, for at most `limit` seconds: a bound for a
    // broken build, far beyond what even a sanitized run needs.
    bool runUntil(const std::function<bool()>& done, double limit = 30.0) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit);
        while (!done() && std::chrono::steady_clock::now() < end && impl->isOpen()) {
            impl->loopPass();
        }
        return done();
    }

    // Hands every controller change made so far to the game: SDL turns them into
    // events when it pumps, and the loop passes them on one per pass.
    void deliver() {
        SDL_PumpEvents();
        for (int pass = 0;
             pass < 1000 && impl->isOpen() &&
             SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
             ++pass) {
            impl->loopPass();
        }
    }

    void press(int button, bool down) {
        SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
        deliver();
    }

    void tilt(int axis, int value) {
        SDL_JoystickSetVirtualAxis(joystick, axis, value);
        deliver();
    }

    // Plays the first cave until the player has come out of the entrance.
    void playUntilThePlayerIsOut() {
        ASSERT_TRUE(runUntil([&] { return view->mode() == GvViewMode::InMenu; }));
        view->playSelectedLevel();
        ASSERT_TRUE(runUntil([&] {
            return view->mode() == GvViewMode::InGame &&
                   world().findPlayer() == GvObjectKind::player;
        }));
    }

    GvWorld& world() { return view->screen().world(); }

    ViewTestFolder folder;
    std::unique_ptr<OrbViewImplSingle> impl;
    std::unique_ptr<GvView> view;
    int device = -1;
    SDL_Joystick* joystick = nullptr;
};

TEST_F(GvViewGamepadTest, TheStickMovesThePlayerAndTheButtonsPauseAndResume) {
    playUntilThePlayerIsOut();
    GvWorld& world = view->screen().world();
    const int column = world.player_col;
    const int row = world.player_row;

    // Held south button: snap, so the stick only digs beside the player.
    press(SDL_CONTROLLER_BUTTON_A, true);
    tilt(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    EXPECT_TRUE(
        runUntil([&] { return world.cellAt(column + 1, row)->kind() == GvObjectKind::space; }));
    world.findPlayer();
    EXPECT_EQ(world.player_col, column);
    press(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_TRUE(runUntil([&] {
        world.findPlayer();
        return world.player_col > column;
    })) << "the pushed stick walks right";
    tilt(SDL_CONTROLLER_AXIS_LEFTX, 0);
    EXPECT_TRUE(runUntil([&] { return world.keys_held == 0; }))
        << "nothing held once the stick is back";

    press(SDL_CONTROLLER_BUTTON_START, true);
    press(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_TRUE(runUntil([&] { return view->mode() == GvViewMode::OverlayOnGame; }))
        << "Start pauses";
    // In the pause menu the south button is Return: the focused first entry resumes.
    press(SDL_CONTROLLER_BUTTON_A, true);
    press(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_TRUE(runUntil([&] { return view->mode() == GvViewMode::InGame; }));
}

TEST_F(GvViewGamepadTest, AnUnpluggedControllerLetsGoOfItsKeys) {
    playUntilThePlayerIsOut();
    press(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    constexpr GvInputBits kDown = 2;
    EXPECT_TRUE(runUntil([&] { return world().keys_held == kDown; }));
    SDL_JoystickClose(joystick);
    joystick = nullptr;
    SDL_JoystickDetachVirtual(device);
    device = -1;
    deliver();
    EXPECT_TRUE(runUntil([&] { return world().keys_held == 0; }));
}

} // namespace
