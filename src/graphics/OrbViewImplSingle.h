#pragma once

#include "graphics/OrbFrameTimeFilter.h"
#include "graphics/OrbGamepadMapper.h"
#include "graphics/OrbMonitorLayout.h"
#include "graphics/OrbViewImpl.h"

#include <memory>
#include <string>
#include <vector>

// The one window of the program with its OpenGL 1.x context, built on SDL2. It runs
// the main loop: every waiting event is turned into a call of the view; when none
// waits, the view is repainted and advanced by the filtered frame time. Window
// rectangles are those of the client area on the desktop, which is how SDL places
// windows, so a stored rectangle reopens the window exactly where it was. Game
// controllers, plugged in before or during the run, act as keys.
class OrbViewImplSingle : public OrbViewImpl {
public:
    OrbViewImplSingle(std::string title, int clientWidth, int clientHeight,
                      int defaultShowMode = OrbWindowMaximized);
    ~OrbViewImplSingle() override;

    bool supportsFullScreen() const override { return true; }

    // Opens the window, runs the loop until the window is closed, and makes sure the
    // view's state was saved. False, without a loop, when no window or context can
    // be made.
    bool run();

    // The picture the desktop shows for the window: RGBA pixels, bottom row first
    // as textures store them. Takes effect when the window opens.
    void setWindowIcon(const unsigned char* rgba, int width, int height);

    // The steps of `run`, for callers that drive the loop themselves.
    bool open();
    void loopPass();
    // Handles every event already waiting; answers whether the window still exists.
    bool processEvents();
    void destroyWindow();
    bool isOpen() const;

    int liveModifiers() const override;
    void setCursorVisible(bool visible) override;
    bool setFullScreen(bool on) override;
    bool isMaximized() const override;
    OrbWindowRect windowRectangle() const override;
    void setMinimumClientSize(int width, int height) override;
    void invalidate() override;
    bool messageBox(int kind, const std::string& caption, const std::string& text) override;
    bool openLink(const std::string& link) override;
    void close() override { destroyWindow(); }

    // Paints at once (while graphics exist) and shows the frame.
    void paintNow();

    bool swapControl() const { return swapControl_; }
    // The size of the drawing surface in pixels, which projections use.
    int drawableWidth() const;
    int drawableHeight() const;
    // The SDL id of the window (0 without one), so that tests can address events.
    unsigned windowId() const;

    // The key code for an SDL key symbol; −1 when the key is not delivered.
    static int translateKey(int sdlKey);
    // The modifier mask for SDL's modifier bits.
    static int modifierMask(int sdlModifiers);
    // Whether a display can be opened at all.
    static bool displayAvailable();

private:
    struct Platform;

    OrbMonitorLayout monitors() const;
    void handleEvent(const void* event);
    void makeCurrent() const;
    void applyWindowIcon();
    void openControllers();
    void closeControllers();
    void handleControllerEvent(const void* event);

    std::string title_;
    int clientWidth_;
    int clientHeight_;
    int defaultShowMode_;
    OrbFrameTimeFilter frameFilter_;
    bool swapControl_ = false;
    bool repaintWanted_ = false;
    std::vector<unsigned char> icon_;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
    OrbGamepadMapper gamepad_;
    std::unique_ptr<Platform> platform_;
};
