#pragma once

#include "graphics/OrbKeyCode.h"
#include "graphics/OrbWindowRect.h"
#include "platform/OrbUncopyable.h"

#include <array>

class OrbViewImpl;

// Cursor policies of a view.
enum OrbCursorMode : int {
    OrbCursorAlwaysVisible = 0,
    OrbCursorAlwaysHidden = 1,
    OrbCursorHiddenByTyping = 2,
    OrbCursorHiddenByTypingAndIdle = 3
};

// The platform-neutral base of the game controller. The window layer reports
// events, time and repaints to it; it keeps the table of held keys, the cursor
// policy and the frame rate, and hands everything on through the virtual
// operations, which a controller overrides. Nothing here calls the platform except
// through the window layer.
class OrbView : public OrbUncopyable {
public:
    static constexpr double kCursorHideDelay = 3.0;

    explicit OrbView(OrbViewImpl& impl);
    virtual ~OrbView();

    // Operations a controller overrides.
    virtual void graphicsCreated(int width, int height);
    virtual void graphicsReleased();
    virtual void resized(int width, int height);
    virtual void draw() = 0;
    virtual void focusChanged(bool focused);
    virtual bool keyEvent(int key, int state, int modifiers);
    virtual bool mouseButton(int button, int action, int x, int y, int modifiers);
    virtual bool mouseMove(int x, int y, int modifiers);
    virtual void advance(double seconds);
    virtual void saveState();
    // Where the window should open: answers false to let the window layer choose.
    virtual bool initialPlacement(int& mode, OrbWindowRect& rectangle);
    // Whether a game controller's action button should hold Control (true, while
    // playing) or press Return (false, in the menus).
    virtual bool actionButtonIsModifier() const;

    // Called by the window layer.
    void attachGraphics(int width, int height);
    void detachGraphics();
    void paint(double clockSeconds);
    void sizeChanged(int width, int height);
    void focusChange(bool focused);
    bool keyInput(int key, int state, int modifiers);
    void modifiersChanged(int mask);
    bool mouseButtonInput(int button, int action, int x, int y, int modifiers);
    bool mouseMoveInput(int x, int y, int modifiers);
    void tick(double seconds);
    void saveOnce();

    // A modal message box holds time still while it is up.
    void suspendAdvance() { --advanceSuspend_; }
    void resumeAdvance() { ++advanceSuspend_; }

    // For the controller.
    bool isKeyDown(int code) const;
    void releaseAllKeys();
    void setCursorMode(int mode);
    void hideCursorNow();

    OrbViewImpl& impl() const { return impl_; }
    bool hasGraphics() const { return hasGraphics_; }
    bool isFocused() const { return focused_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    int modifiers() const { return modifiers_; }
    int cursorMode() const { return cursorMode_; }
    bool isCursorVisible() const { return cursorVisible_; }
    double frameRate() const { return frameRate_; }

private:
    void showCursor(bool visible);

    OrbViewImpl& impl_;
    bool hasGraphics_ = false;
    // The window layer reports the first focus gain; until then keys are not tracked.
    bool focused_ = false;
    bool stateSaved_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::array<bool, OrbKeyCodeCount> keyDown_{};
    int modifiers_ = 0;
    int cursorMode_ = OrbCursorHiddenByTyping;
    bool cursorVisible_ = true;
    double cursorHideTimer_ = kCursorHideDelay;
    int advanceSuspend_ = 1;
    int frameCount_ = 0;
    double frameRateStart_ = -1.0;
    double frameRate_ = 0.0;
};
