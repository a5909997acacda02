#pragma once

#include "graphics/OrbWindowRect.h"
#include "platform/OrbUncopyable.h"

#include <string>

class OrbView;

// Kinds of message box.
enum OrbMessageKind : int { OrbMessageQuestion = 0, OrbMessageWarning = 1, OrbMessageError = 2 };

// The window layer beneath a view: it owns the window and the GL context and turns
// the platform's events into calls of the view. This base keeps what every window
// layer shares; an implementation supplies the platform calls.
class OrbViewImpl : public OrbUncopyable {
public:
    virtual ~OrbViewImpl() = default;

    virtual bool supportsFullScreen() const { return false; }

    // The view registers itself when it is constructed and unregisters when it dies.
    void setView(OrbView* view) { view_ = view; }
    OrbView* view() const { return view_; }

    // The modifier mask as the platform sees it right now.
    virtual int liveModifiers() const = 0;

    virtual void setCursorVisible(bool visible) = 0;
    bool cursorVisible() const { return cursorVisible_; }

    virtual bool setFullScreen(bool on) = 0;
    bool isFullScreen() const { return fullScreen_; }
    virtual bool isMaximized() const = 0;
    // The outer window rectangle; all zero while there is no window.
    virtual OrbWindowRect windowRectangle() const = 0;

    virtual void setMinimumClientSize(int width, int height);
    int minimumClientWidth() const { return minimumClientWidth_; }
    int minimumClientHeight() const { return minimumClientHeight_; }

    // Asks for a repaint as soon as possible.
    virtual void invalidate() = 0;

    // Shows a modal message; answers false only when a question was answered No.
    virtual bool messageBox(int kind, const std::string& caption, const std::string& text) = 0;

    // Hands a web or mail address to the desktop's handler for it. False when the
    // desktop could not take it; a layer without a desktop never can.
    virtual bool openLink(const std::string& /*link*/) { return false; }

    // Ends the loop after the window has been destroyed (the state is saved first).
    virtual void close() = 0;

protected:
    OrbView* view_ = nullptr;
    bool cursorVisible_ = true;
    bool fullScreen_ = false;
    int minimumClientWidth_ = 1;
    int minimumClientHeight_ = 1;
    // The window rectangle to return to when full screen ends.
    OrbWindowRect savedRect_;
    bool restoreSavedRect_ = false;
};
