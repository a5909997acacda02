#include "game/GvGameScreen.h"
#include "game/GvView.h"
#include "graphics/GlTestWindow.h"
#include "graphics/OrbViewImplSingle.h"
#include "sim/GvObjectKind.h"
#include "sim/GvWorld.h"

#include "GvViewTestSupport.h"

#include <SDL.h>
#include <chrono>
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

    void runFor(double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end && impl->isOpen()) {
            impl->loopPass();
        }
    }

    void press(int button, bool down) {
        SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
        runFor(0.3);
    }

    // Plays the first cave until the player has come out of the entrance.
    void playUntilThePlayerIsOut() {
        runFor(0.8); // the title menu comes in first
        view->playSelectedLevel();
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end &&
               (view->mode() != GvViewMode::InGame ||
                view->screen().world().findPlayer() != GvObjectKind::player)) {
            runFor(0.05);
        }
        ASSERT_EQ(view->screen().world().findPlayer(), GvObjectKind::player);
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

    // Held south button: snap, so the stick only digs beside the player.
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 1);
    runFor(0.2);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    runFor(0.6);
    world.findPlayer();
    EXPECT_EQ(world.player_col, column);
    EXPECT_EQ(world.cellAt(column + 1, world.player_row)->kind(), GvObjectKind::space);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 0);
    runFor(0.6);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
    runFor(0.1);
    world.findPlayer();
    EXPECT_GT(world.player_col, column) << "the pushed stick walks right";
    EXPECT_EQ(world.keys_held, 0) << "nothing held once the stick is back";

    press(SDL_CONTROLLER_BUTTON_START, true);
    press(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_EQ(view->mode(), GvViewMode::OverlayOnGame) << "Start pauses";
    // In the pause menu the south button is Return: the focused first entry resumes.
    press(SDL_CONTROLLER_BUTTON_A, true);
    press(SDL_CONTROLLER_BUTTON_A, false);
    runFor(0.5);
    EXPECT_EQ(view->mode(), GvViewMode::InGame);
}

TEST_F(GvViewGamepadTest, AnUnpluggedControllerLetsGoOfItsKeys) {
    playUntilThePlayerIsOut();
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1);
    runFor(0.2);
    constexpr GvInputBits kDown = 2;
    EXPECT_EQ(world().keys_held, kDown);
    SDL_JoystickClose(joystick);
    joystick = nullptr;
    SDL_JoystickDetachVirtual(device);
    device = -1;
    runFor(0.2);
    EXPECT_EQ(world().keys_held, 0);
}

} // namespace
