#include "graphics/GvFont.h"
#include "graphics/OrbProjection.h"
#include "graphics/OrbTexture.h"
#include "graphics/OrbViewImplSingle.h"

#include "FontTestImage.h"
#include "GlTestWindow.h"
#include "ScopedEnv.h"

#include <SDL.h>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace {

using Ints = std::vector<int>;

TEST(OrbViewImplSingleKeys, PlatformKeysMapToTheKeyCodeSpace) {
    const std::pair<int, int> table[] = {
        {SDLK_TAB, 9},
        {SDLK_RETURN, 13},
        {SDLK_KP_ENTER, 13},
        {SDLK_ESCAPE, 27},
        {SDLK_SPACE, 32},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
        {SDLK_a, 'a'},
        {SDLK_z, 'z'},
        {SDLK_COMMA, ','},
        {SDLK_PERIOD, '.'},
        {SDLK_LEFTBRACKET, '['},
        {SDLK_RIGHTBRACKET, ']'},
        {SDLK_UP, 256},
        {SDLK_DOWN, 257},
        {SDLK_LEFT, 258},
        {SDLK_RIGHT, 259},
        {SDLK_PAGEUP, 260},
        {SDLK_PAGEDOWN, 261},
        {SDLK_HOME, 262},
        {SDLK_END, 263},
    };
    for (const auto& [sdl, code] : table) {
        EXPECT_EQ(OrbViewImplSingle::translateKey(sdl), code) << SDL_GetKeyName(sdl);
    }
    // Modifier keys arrive only as modifier changes; other keys not at all.
    for (const int sdl : {SDLK_LSHIFT, SDLK_RALT, SDLK_LGUI, SDLK_CAPSLOCK, SDLK_F1, SDLK_KP_1,
                          SDLK_SLASH, SDLK_DELETE}) {
        EXPECT_EQ(OrbViewImplSingle::translateKey(sdl), -1) << SDL_GetKeyName(sdl);
    }
}

TEST(OrbViewImplSingleKeys, ModifierBitsMapToTheMask) {
    EXPECT_EQ(OrbViewImplSingle::modifierMask(KMOD_RSHIFT), OrbModShift);
    EXPECT_EQ(OrbViewImplSingle::modifierMask(KMOD_CAPS), OrbModCapsLock);
    EXPECT_EQ(OrbViewImplSingle::modifierMask(KMOD_LCTRL), OrbModControl);
    EXPECT_EQ(OrbViewImplSingle::modifierMask(KMOD_RALT), OrbModAlt);
    EXPECT_EQ(OrbViewImplSingle::modifierMask(KMOD_LGUI | KMOD_RGUI), OrbModWindows);
    EXPECT_EQ(OrbViewImplSingle::modifierMask(KMOD_NUM | KMOD_MODE), 0);
    EXPECT_EQ(OrbViewImplSingle::modifierMask(KMOD_LSHIFT | KMOD_RCTRL),
              OrbModShift | OrbModControl);
}

TEST(OrbViewImplSingleLinks, EmptyOrControlCharacterAddressesAreRefused) {
    // Refused before the desktop is asked, so no browser starts during tests.
    OrbViewImplSingle impl("links", 64, 48, OrbWindowNormal);
    EXPECT_FALSE(impl.openLink(""));
    EXPECT_FALSE(impl.openLink("https://gravik.invalid/\nrm -rf ~"));
    EXPECT_FALSE(impl.openLink(std::string("mailto:a@b.c\0x", 14)));
    EXPECT_FALSE(impl.openLink("https://gravik.invalid/\x7f"));
}

// Marks focus events a test pushes; focus changes of the real display (other test
// programs open windows on it too) are kept away from the tests.
constexpr Sint32 kPushedEvent = 0x6f7262;

int dropRealFocusEvents(void*, SDL_Event* event) {
    if (event->type == SDL_WINDOWEVENT && (event->window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                                           event->window.event == SDL_WINDOWEVENT_FOCUS_LOST)) {
        return event->window.data1 == kPushedEvent;
    }
    return 1;
}

class OrbViewImplSingleTest : public ::testing::Test {
protected:
    void SetUp() override {
        GRAVIK_REQUIRE_DISPLAY();
        SDL_SetEventFilter(dropRealFocusEvents, nullptr);
        ASSERT_TRUE(impl.open());
        window = SDL_GetWindowFromID(impl.windowId());
        ASSERT_NE(window, nullptr);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        impl.processEvents();
    }
    void TearDown() override { SDL_SetEventFilter(nullptr, nullptr); }

    void pushWindowEvent(Uint8 kind) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = impl.windowId();
        e.window.event = kind;
        e.window.data1 = kPushedEvent;
        SDL_PushEvent(&e);
    }
    void pushKey(Uint32 type, SDL_Keycode sym, Uint16 mod, Uint8 repeat = 0) {
        SDL_Event e{};
        e.type = type;
        e.key.windowID = impl.windowId();
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = repeat;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
    void pushButton(Uint32 type, Uint8 button, Uint8 clicks, int x, int y) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = impl.windowId();
        e.button.button = button;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = clicks;
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    // Lets the window system deliver what a change of the window caused.
    template <typename Done> bool pumpUntil(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (std::chrono::steady_clock::now() < deadline) {
            impl.processEvents();
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // Draws a red quad (and, where given, green text) in projection `number` and
    // checks, pixel by pixel over a grid, that colour landed exactly where the
    // projection's window-to-canvas conversion says the shapes are.
    void expectProjectionDrawsWhereItMaps(int number, OrbRect quad, OrbPoint textAt,
                                          float textSize) {
        SCOPED_TRACE(number);
        const int w = view.clientWidth();
        const int h = view.clientHeight();
        ASSERT_EQ(w, impl.drawableWidth());
        ASSERT_EQ(h, impl.drawableHeight());
        const int s = OrbProjection::statusLineHeight(w, h, OrbProjection::statusSampleWidth(font));
        const OrbProjection p = OrbProjection::make(number, w, h, s);
        OrbTexture solid(OrbPixelAlpha, 1, 1, OrbWrapRepeat, OrbWrapRepeat, OrbFilterNearest,
                         OrbFilterNearest, false);
        solid.fillSolid(OrbColor{1, 1, 1, 1});
        solid.acquire();
        font.acquire();
        std::vector<unsigned char> pixels;
        OrbRect textBox{};
        view.onDraw = [&] {
            setUpDrawingState();
            glViewport(0, 0, w, h);
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT);
            p.apply();
            solid.addQuad(quad, OrbColor{1, 0, 0, 1});
            solid.flush();
            if (textSize > 0.0f) {
                textBox = font.layout("HI", textAt, textSize, 0, 17, 1.0f, true);
                font.drawTextNow(textAt, "HI", textSize, OrbColor{0, 1, 0, 1}, 0, 17);
            }
            pixels = readPixels(w, h);
        };
        impl.paintNow();
        view.onDraw = nullptr;
        ASSERT_FALSE(pixels.empty());
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

        // One and a half pixels of canvas, so samples on an edge are left out.
        const float mx = 1.5f * p.canvas().width / static_cast<float>(p.viewportWidth());
        const float my = 1.5f * p.canvas().height / static_cast<float>(p.viewportHeight());
        const auto classify = [&](OrbPoint c, const OrbRect& r) {
            if (c.x > r.x + mx && c.x < r.x + r.width - mx && c.y > r.y + my &&
                c.y < r.y + r.height - my) {
                return 1;
            }
            if (c.x < r.x - mx || c.x > r.x + r.width + mx || c.y < r.y - my ||
                c.y > r.y + r.height + my) {
                return 0;
            }
            return -1;
        };
        int inQuad = 0;
        int inText = 0;
        int checked = 0;
        for (int y = p.viewportHeight() > 1 ? 0 : h - 1; y < h; y += 3) {
            for (int x = 0; x < w; x += 3) {
                // Only pixels inside the viewport belong to the projection.
                const int row = h - 1 - y;
                if (row < p.viewportY() || row >= p.viewportY() + p.viewportHeight()) {
                    continue;
                }
                const OrbPoint c = p.toCanvas(x, y, h);
                const OrbPoint centre{c.x + 0.5f * p.canvas().width / p.viewportWidth(),
                                      c.y - 0.5f * p.canvas().height / p.viewportHeight()};
                const int q = classify(centre, quad);
                const int t = textSize > 0.0f ? classify(centre, textBox) : 0;
                if (q < 0 || t < 0) {
                    continue;
                }
                const unsigned expected = q ? 0xff0000u : t ? 0x00ff00u : 0u;
                ASSERT_EQ(rgbAt(pixels, w, x, row), expected)
                    << "at window pixel " << x << "," << y;
                inQuad += q;
                inText += t;
                ++checked;
            }
        }
        EXPECT_GT(inQuad, 0);
        EXPECT_GT(checked, inQuad + inText);
        if (textSize > 0.0f) {
            EXPECT_GT(inText, 0);
        }
        font.release();
        solid.release();
    }

    void expectAllProjectionsDraw() {
        expectProjectionDrawsWhereItMaps(OrbProjectionMenu, OrbRect{-30, -20, 25, 15},
                                         OrbPoint{5, 5}, 12.0f);
        expectProjectionDrawsWhereItMaps(OrbProjectionStatusLine, OrbRect{-3, 0.2f, 2, 0.6f},
                                         OrbPoint{0.5f, 0.1f}, 0.7f);
        expectProjectionDrawsWhereItMaps(OrbProjectionGameBelowStatus,
                                         OrbRect{-0.4f, -0.3f, 0.3f, 0.5f}, OrbPoint{}, 0.0f);
        expectProjectionDrawsWhereItMaps(OrbProjectionGameFull, OrbRect{0.1f, 0.0f, 0.2f, 0.4f},
                                         OrbPoint{}, 0.0f);
    }

    std::vector<unsigned char> image = makeFontImage(8);
    GvFont font{image.data(), 8};
    OrbViewImplSingle impl{"Gravik window test", 320, 240, OrbWindowNormal};
    GlTestView view{impl};
    SDL_Window* window = nullptr;
};

TEST_F(OrbViewImplSingleTest, OpensWithGraphicsOfTheDrawableSize) {
    ASSERT_EQ(view.created.size(), 1u);
    EXPECT_EQ(view.created[0], std::make_pair(impl.drawableWidth(), impl.drawableHeight()));
    EXPECT_EQ(view.created[0], std::make_pair(320, 240));
    EXPECT_TRUE(view.hasGraphics());
    EXPECT_TRUE(view.isFocused());
    EXPECT_FALSE(impl.isFullScreen());
    // A normal placement with no usable rectangle opens centred on the screen.
    SDL_Rect screen;
    ASSERT_EQ(SDL_GetDisplayBounds(0, &screen), 0);
    EXPECT_EQ(impl.windowRectangle(), (OrbWindowRect{screen.x + (screen.w - 320) / 2,
                                                     screen.y + (screen.h - 240) / 2, 320, 240}));
}

TEST_F(OrbViewImplSingleTest, DrawsQuadsAndTextInEveryProjection) {
    expectAllProjectionsDraw();
}

TEST_F(OrbViewImplSingleTest, KeysArriveNormalised) {
    pushKey(SDL_KEYDOWN, SDLK_a, 0);
    pushKey(SDL_KEYDOWN, SDLK_a, 0, 1);
    pushKey(SDL_KEYUP, SDLK_a, 0);
    pushKey(SDL_KEYDOWN, SDLK_b, 0, 1); // a repeat of a key never pressed here
    pushKey(SDL_KEYDOWN, SDLK_LSHIFT, KMOD_LSHIFT);
    pushKey(SDL_KEYDOWN, SDLK_1, KMOD_LSHIFT);
    pushKey(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_LSHIFT);
    pushKey(SDL_KEYDOWN, SDLK_F1, KMOD_LSHIFT);
    pushKey(SDL_KEYUP, SDLK_LSHIFT, 0);
    // Alt alone reports Alt and nothing else.
    pushKey(SDL_KEYDOWN, SDLK_LALT, KMOD_LALT);
    pushKey(SDL_KEYUP, SDLK_LALT, 0);
    pushKey(SDL_KEYDOWN, SDLK_UP, KMOD_CAPS | KMOD_RCTRL);
    impl.processEvents();
    const std::vector<Ints> expected = {
        {'a', OrbKeyPressed, 0},
        {'a', OrbKeyRepeated, 0},
        {'a', OrbKeyReleased, 0},
        {OrbKeyShift, OrbKeyPressed, OrbModShift},
        {'1', OrbKeyPressed, OrbModShift},
        {OrbKeyReturn, OrbKeyPressed, OrbModShift},
        {OrbKeyShift, OrbKeyReleased, 0},
        {OrbKeyAlt, OrbKeyPressed, OrbModAlt},
        {OrbKeyAlt, OrbKeyReleased, 0},
        {OrbKeyCapsLock, OrbKeyPressed, OrbModCapsLock | OrbModControl},
        {OrbKeyControl, OrbKeyPressed, OrbModCapsLock | OrbModControl},
        {OrbKeyUp, OrbKeyPressed, OrbModCapsLock | OrbModControl},
    };
    EXPECT_EQ(view.keys, expected);
    EXPECT_TRUE(view.isKeyDown('1'));
    EXPECT_TRUE(view.isKeyDown(OrbKeyUp));
    EXPECT_FALSE(view.isKeyDown('a'));
}

TEST_F(OrbViewImplSingleTest, LosingFocusReleasesHeldKeys) {
    pushKey(SDL_KEYDOWN, SDLK_LEFT, 0);
    pushKey(SDL_KEYDOWN, SDLK_x, 0);
    pushKey(SDL_KEYDOWN, SDLK_y, 0);
    pushKey(SDL_KEYUP, SDLK_y, 0);
    impl.processEvents();
    view.keys.clear();
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    impl.processEvents();
    const std::vector<Ints> expected = {{'x', OrbKeyReleased, 0}, {OrbKeyLeft, OrbKeyReleased, 0}};
    EXPECT_EQ(view.keys, expected);
    EXPECT_EQ(view.focusCalls.back(), false);
    EXPECT_FALSE(view.isKeyDown(OrbKeyLeft));
    // Repeats of keys held across the focus change are not delivered afterwards.
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    pushKey(SDL_KEYDOWN, SDLK_LEFT, 0, 1);
    impl.processEvents();
    EXPECT_EQ(view.keys.size(), 2u);
    EXPECT_EQ(view.focusCalls.back(), true);
}

TEST_F(OrbViewImplSingleTest, MouseEventsArriveInClientPixels) {
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 2, 10, 20);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 2, 11, 21);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 12, 22);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 13, 23);
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.windowID = impl.windowId();
    move.motion.x = 30;
    move.motion.y = 40;
    SDL_PushEvent(&move);
    impl.processEvents();
    const std::vector<Ints> expected = {
        {OrbMouseRight | OrbMouseDoubleClick, OrbMousePress, 10, 20, 0},
        {OrbMouseRight, OrbMouseRelease, 11, 21, 0},
        {OrbMouseLeft, OrbMousePress, 12, 22, 0},
    };
    EXPECT_EQ(view.buttons, expected);
    // The pointer of the window system may report moves of its own; ours is last.
    ASSERT_FALSE(view.moves.empty());
    EXPECT_EQ(view.moves.back(), (Ints{30, 40}));
}

TEST_F(OrbViewImplSingleTest, CursorFollowsTheViewsPolicy) {
    view.setCursorMode(OrbCursorAlwaysHidden);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    view.setCursorMode(OrbCursorAlwaysVisible);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST_F(OrbViewImplSingleTest, ResizingKeepsValidProjections) {
    SDL_SetWindowSize(window, 500, 280);
    ASSERT_TRUE(pumpUntil([&] { return view.clientWidth() == 500; }))
        << "the window system never reported the new size";
    EXPECT_EQ(view.sizes.back(), std::make_pair(500, 280));
    expectAllProjectionsDraw();

    // Shrunk to a single row of pixels, the projections still hold.
    SDL_SetWindowSize(window, 200, 1);
    ASSERT_TRUE(pumpUntil([&] { return view.clientHeight() == 1; }));
    const int s = OrbProjection::statusLineHeight(200, 1, OrbProjection::statusSampleWidth(font));
    EXPECT_EQ(s, 1);
    for (int n = 0; n < OrbProjectionCount; ++n) {
        const OrbProjection p = OrbProjection::make(n, 200, 1, s);
        view.onDraw = [&] { p.apply(); };
        impl.paintNow();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        EXPECT_EQ(p.viewportHeight(), 1);
    }
    view.onDraw = nullptr;
}

TEST_F(OrbViewImplSingleTest, FullScreenRoundTripRestoresTheWindow) {
    const OrbWindowRect before = impl.windowRectangle();
    ASSERT_TRUE(impl.setFullScreen(true));
    EXPECT_TRUE(impl.isFullScreen());
    EXPECT_FALSE(impl.isMaximized());
    SDL_Rect screen;
    ASSERT_EQ(SDL_GetDisplayBounds(0, &screen), 0);
    ASSERT_TRUE(pumpUntil([&] { return view.clientWidth() == screen.w; }))
        << "full screen never covered the monitor ";
    EXPECT_EQ(view.clientHeight(), screen.h);
    expectAllProjectionsDraw();

    ASSERT_TRUE(impl.setFullScreen(false));
    EXPECT_FALSE(impl.isFullScreen());
    ASSERT_TRUE(pumpUntil([&] { return view.clientWidth() == 320; }));
    EXPECT_EQ(view.clientHeight(), 240);
    ASSERT_TRUE(pumpUntil([&] { return impl.windowRectangle() == before; }))
        << "the window did not return to where it was";
    expectAllProjectionsDraw();
    // Asking for the state it is in changes nothing.
    EXPECT_TRUE(impl.setFullScreen(false));
    EXPECT_FALSE(impl.isFullScreen());
}

TEST_F(OrbViewImplSingleTest, ClosingSavesOnceAndReleasesGraphics) {
    impl.close();
    EXPECT_FALSE(impl.isOpen());
    EXPECT_EQ(view.saves, 1);
    EXPECT_EQ(view.released, 1);
    EXPECT_FALSE(view.hasGraphics());
    EXPECT_EQ(impl.windowRectangle(), OrbWindowRect{});
    EXPECT_FALSE(impl.setFullScreen(true));
    impl.close();
    EXPECT_EQ(view.saves, 1);
}

TEST(OrbViewImplSingleMessages, WithoutADisplayMessagesGoToTheTerminal) {
    OrbViewImplSingle impl("Gravik message test", 200, 150, OrbWindowNormal);
    GlTestView view(impl);
    const ScopedEnv noDisplay("DISPLAY", nullptr);
    const ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    testing::internal::CaptureStderr();
    const bool error = impl.messageBox(OrbMessageError, "Gravik", "The cave is\ncorrupt.");
    const bool question = impl.messageBox(OrbMessageQuestion, "Gravik", "Really quit?");
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(error);
    // Nobody could answer Yes, so the question is not taken as agreed.
    EXPECT_FALSE(question);
    EXPECT_NE(printed.find("Gravik: The cave is\ncorrupt.\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Gravik: Really quit?\n"), std::string::npos) << printed;
    // Time runs again once the box is gone.
    view.tick(0.5);
    EXPECT_EQ(view.advanced, std::vector<double>{0.5});
}

TEST(OrbViewImplSingleLoop, RunsAdvancingAndPaintingUntilClosed) {
    GRAVIK_REQUIRE_DISPLAY();
    OrbViewImplSingle impl("Gravik loop test", 200, 150, OrbWindowNormal);
    GlTestView view(impl);
    view.onAdvance = [&] {
        if (view.advanced.size() == 8) {
            impl.close();
        }
    };
    ASSERT_TRUE(impl.run());
    EXPECT_FALSE(impl.isOpen());
    ASSERT_EQ(view.advanced.size(), 8u);
    EXPECT_EQ(view.advanced[0], 0.0); // the first pass advances by nothing
    for (const double seconds : view.advanced) {
        EXPECT_GE(seconds, 0.0);
        EXPECT_LT(seconds, 1.0);
    }
    EXPECT_GE(view.draws, 8);
    EXPECT_EQ(view.saves, 1);
    EXPECT_EQ(view.released, 1);
}

TEST(OrbViewImplSingleLoop, QuitRequestEndsTheLoop) {
    GRAVIK_REQUIRE_DISPLAY();
    OrbViewImplSingle impl("Gravik quit test", 200, 150, OrbWindowNormal);
    GlTestView view(impl);
    ASSERT_TRUE(impl.open());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    ASSERT_TRUE(impl.run());
    EXPECT_EQ(view.saves, 1);
    EXPECT_EQ(view.released, 1);
}

TEST(OrbViewImplSinglePlacement, StoredRectangleIsUsedOnlyWhenItFits) {
    GRAVIK_REQUIRE_DISPLAY();
    // Keeps the display open between the windows so that it can be measured.
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    {
        OrbViewImplSingle impl("Gravik placement test", 320, 240, OrbWindowMaximized);
        GlTestView view(impl, OrbWindowNormal, OrbWindowRect{40, 60, 300, 200});
        ASSERT_TRUE(impl.open());
        EXPECT_EQ(impl.windowRectangle(), (OrbWindowRect{40, 60, 300, 200}));
        EXPECT_EQ(view.created[0], std::make_pair(300, 200));
    }
    {
        OrbViewImplSingle impl("Gravik placement test", 320, 240, OrbWindowMaximized);
        SDL_Rect screen;
        ASSERT_EQ(SDL_GetDisplayBounds(0, &screen), 0);
        // Half of it off the right edge of the screen.
        GlTestView view(impl, OrbWindowNormal,
                        OrbWindowRect{screen.x + screen.w - 150, 60, 300, 200});
        ASSERT_TRUE(impl.open());
        EXPECT_EQ(impl.windowRectangle(),
                  (OrbWindowRect{screen.x + (screen.w - 320) / 2, screen.y + (screen.h - 240) / 2,
                                 320, 240}));
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace
