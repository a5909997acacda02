#include "graphics/OrbView.h"

#include "graphics/OrbViewImpl.h"

OrbView::OrbView(OrbViewImpl& impl) : impl_(impl) {
    impl_.setView(this);
}

OrbView::~OrbView() {
    if (impl_.view() == this) {
        impl_.setView(nullptr);
    }
}

void OrbView::graphicsCreated(int, int) {}
void OrbView::graphicsReleased() {}
void OrbView::resized(int, int) {}
void OrbView::focusChanged(bool) {}
bool OrbView::keyEvent(int, int, int) {
    return false;
}
bool OrbView::mouseButton(int, int, int, int, int) {
    return false;
}
bool OrbView::mouseMove(int, int, int) {
    return false;
}
void OrbView::advance(double) {}
void OrbView::saveState() {}
bool OrbView::actionButtonIsModifier() const {
    return false;
}

bool OrbView::initialPlacement(int&, OrbWindowRect&) {
    return false;
}

void OrbView::attachGraphics(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    hasGraphics_ = true;
    graphicsCreated(width, height);
}

void OrbView::detachGraphics() {
    graphicsReleased();
    clientWidth_ = 0;
    clientHeight_ = 0;
    hasGraphics_ = false;
}

void OrbView::paint(double clockSeconds) {
    if (hasGraphics_) {
        draw();
    }
    ++frameCount_;
    if (frameRateStart_ < 0.0) {
        frameRateStart_ = clockSeconds;
        return;
    }
    const double elapsed = clockSeconds - frameRateStart_;
    if (elapsed >= 1.0) {
        frameRate_ = frameCount_ / elapsed;
        frameCount_ = 0;
        frameRateStart_ = clockSeconds;
    }
}

void OrbView::sizeChanged(int width, int height) {
    if (!hasGraphics_ || (width == clientWidth_ && height == clientHeight_)) {
        return;
    }
    clientWidth_ = width;
    clientHeight_ = height;
    resized(width, height);
}

void OrbView::focusChange(bool focused) {
    if (!focused) {
        releaseAllKeys();
    }
    const bool changed = focused != focused_;
    focused_ = focused;
    if (changed) {
        focusChanged(focused);
    }
    if (focused) {
        showCursor(cursorVisible_);
        cursorHideTimer_ = kCursorHideDelay;
    }
}

bool OrbView::keyInput(int key, int state, int modifiers) {
    if (key < 0 || key >= OrbKeyCodeCount) {
        return false;
    }
    // A repeat of a key we never saw go down (it was pressed before the window had
    // the focus) would reach the game as a press without a press.
    if (state == OrbKeyRepeated && !keyDown_[key]) {
        return false;
    }
    if (focused_) {
        keyDown_[key] = state != OrbKeyReleased;
        if (state == OrbKeyPressed && (cursorMode_ == OrbCursorHiddenByTyping ||
                                       cursorMode_ == OrbCursorHiddenByTypingAndIdle)) {
            showCursor(false);
        }
    }
    if (hasGraphics_) {
        return keyEvent(key, state, modifiers);
    }
    return false;
}

void OrbView::modifiersChanged(int mask) {
    const int old = modifiers_;
    modifiers_ = mask;
    for (int bit = 0; bit < OrbKeyWindows - OrbKeyShift + 1; ++bit) {
        const bool was = (old >> bit) & 1;
        const bool is = (mask >> bit) & 1;
        if (was != is) {
            keyInput(OrbKeyShift + bit, is ? OrbKeyPressed : OrbKeyReleased, mask);
        }
    }
}

bool OrbView::mouseButtonInput(int button, int action, int x, int y, int modifiers) {
    if (cursorMode_ == OrbCursorHiddenByTypingAndIdle) {
        cursorHideTimer_ = kCursorHideDelay;
    }
    if (focused_ &&
        (cursorMode_ == OrbCursorHiddenByTyping || cursorMode_ == OrbCursorHiddenByTypingAndIdle)) {
        showCursor(true);
    }
    if (hasGraphics_) {
        return mouseButton(button, action, x, y, modifiers);
    }
    return false;
}

bool OrbView::mouseMoveInput(int x, int y, int modifiers) {
    if (cursorMode_ == OrbCursorHiddenByTypingAndIdle) {
        cursorHideTimer_ = kCursorHideDelay;
    }
    if (focused_ &&
        (cursorMode_ == OrbCursorHiddenByTyping || cursorMode_ == OrbCursorHiddenByTypingAndIdle)) {
        showCursor(true);
    }
    if (hasGraphics_) {
        return mouseMove(x, y, modifiers);
    }
    return false;
}

void OrbView::tick(double seconds) {
    if (advanceSuspend_ < 1) {
        return;
    }
    if (cursorMode_ == OrbCursorHiddenByTypingAndIdle && cursorVisible_ && seconds > 0.0) {
        cursorHideTimer_ -= seconds;
        if (cursorHideTimer_ <= 0.0) {
            showCursor(false);
        }
    }
    advance(seconds);
}

void OrbView::saveOnce() {
    if (!stateSaved_) {
        stateSaved_ = true;
        saveState();
    }
}

bool OrbView::isKeyDown(int code) const {
    if (code >= OrbKeyShift && code <= OrbKeyWindows) {
        return (impl_.liveModifiers() >> (code - OrbKeyShift)) & 1;
    }
    if (code < 0 || code >= OrbKeyCodeCount) {
        return false;
    }
    return keyDown_[code];
}

void OrbView::releaseAllKeys() {
    modifiers_ = 0;
    for (int code = 0; code < OrbKeyCodeCount; ++code) {
        if (keyDown_[code]) {
            keyDown_[code] = false;
            if (hasGraphics_) {
                keyEvent(code, OrbKeyReleased, 0);
            }
        }
    }
}

void OrbView::setCursorMode(int mode) {
    cursorMode_ = mode;
    switch (mode) {
    case OrbCursorAlwaysVisible:
        showCursor(true);
        break;
    case OrbCursorAlwaysHidden:
        showCursor(false);
        break;
    case OrbCursorHiddenByTypingAndIdle:
        cursorHideTimer_ = kCursorHideDelay;
        break;
    default:
        break;
    }
}

void OrbView::hideCursorNow() {
    showCursor(false);
}

void OrbView::showCursor(bool visible) {
    cursorVisible_ = visible;
    impl_.setCursorVisible(visible);
}
