#include "ui/OrbButtonControl.h"

#include "graphics/OrbKeyCode.h"

#include <algorithm>

OrbButtonControl::OrbButtonControl(OrbControl* parent, const OrbRect& rect,
                                   std::unique_ptr<OrbCallback> callback, bool focusOnClick,
                                   bool autoRepeat)
    : OrbControl(parent), rect_(rect), autoRepeat_(autoRepeat) {
    setCallback(std::move(callback));
    setFocusOnClick(focusOnClick);
}

void OrbButtonControl::moveBy(OrbPoint offset) {
    rect_.x += offset.x;
    rect_.y += offset.y;
}

bool OrbButtonControl::isCapturing() const {
    return holdingKey_ != 0 || mouseHeld_;
}

void OrbButtonControl::dropPress() {
    holdingKey_ = 0;
    mouseHeld_ = false;
    pressed_ = false;
}

void OrbButtonControl::reset() {
    dropPress();
    OrbControl::reset();
}

void OrbButtonControl::clearHighlight() {
    OrbControl::clearHighlight();
    // A hold by the mouse is dropped silently. A hold by a key is kept: groups clear
    // highlights on every key, and the release of the holding key arrives that way,
    // so dropping it here would swallow the press being made. Showing a panel resets
    // it, which drops key holds too.
    if (holdingKey_ == 0) {
        dropPress();
    }
}

bool OrbButtonControl::pressByKey(int key) {
    if (!isEnabled() || isCapturing()) {
        return false;
    }
    pressed_ = true;
    holdingKey_ = key;
    if (autoRepeat_) {
        timer_ = firstDelay_;
        invokeCallback();
    }
    return true;
}

bool OrbButtonControl::keyEvent(int key, int action, int modifiers) {
    if (!isEnabled()) {
        return false;
    }
    if (isCapturing() || action != OrbKeyPressed) {
        if (action == OrbKeyReleased && holdingKey_ != 0 && key == holdingKey_) {
            pressed_ = false;
            holdingKey_ = 0;
            if (!autoRepeat_) {
                invokeCallback();
            }
            return true;
        }
    } else if (key == OrbKeySpace || key == OrbKeyReturn) {
        return pressByKey(key);
    }
    if (isCapturing()) {
        return true;
    }
    return navigate(key, action, modifiers);
}

bool OrbButtonControl::mouseButton(int button, bool down, OrbPoint point, int) {
    if (!isEnabled() || (button != OrbMouseLeft && button != OrbMouseDoubleClick)) {
        return false;
    }
    const bool inside = rectContains(rect_, point);
    if (down) {
        if (!inside || isCapturing()) {
            return false;
        }
        if (focusOnClick()) {
            setFocused(true);
        }
        pressed_ = true;
        mouseHeld_ = true;
        if (autoRepeat_) {
            timer_ = firstDelay_;
            invokeCallback();
        }
        return true;
    }
    if (!mouseHeld_) {
        return false;
    }
    mouseHeld_ = false;
    pressed_ = false;
    if (inside && !autoRepeat_) {
        invokeCallback();
    }
    return true;
}

bool OrbButtonControl::mouseMove(OrbPoint point, int) {
    if (!isEnabled()) {
        return false;
    }
    const bool inside = rectContains(rect_, point);
    if (inside != isHighlighted()) {
        setHighlighted(inside);
    }
    if (mouseHeld_ && pressed_ != inside) {
        pressed_ = inside;
        timer_ = interval_;
    }
    return mouseHeld_;
}

void OrbButtonControl::tick(double elapsed) {
    if (elapsed <= 0.0 || !autoRepeat_ || !isCapturing() || !pressed_) {
        return;
    }
    timer_ -= elapsed;
    if (timer_ <= 0.0) {
        timer_ = std::max(0.0, timer_ + interval_);
        invokeCallback();
    }
}
