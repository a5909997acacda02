#pragma once

#include "graphics/OrbKeyCode.h"
#include "ui/OrbButtonControl.h"
#include "ui/OrbGroupControl.h"
#include "ui/OrbObjectCallback.h"

#include <algorithm>

// A value between a minimum and a maximum stepped by one with a decrement button at
// the left end and an increment button at the right end (both auto-repeat), or
// with Left and Right while focused.
template <typename T> class OrbSpinControl : public OrbGroupControl {
public:
    OrbSpinControl(OrbControl* parent, const OrbRect& rect, float buttonWidth, T value, T minimum,
                   T maximum, std::unique_ptr<OrbCallback> changeCallback)
        : OrbGroupControl(parent, rect), value_(value), minimum_(minimum), maximum_(maximum),
          changeCallback_(std::move(changeCallback)) {
        decrementButton_ = addChild(std::make_unique<OrbButtonControl>(
            this, OrbRect{rect.x, rect.y, buttonWidth, rect.height},
            std::make_unique<OrbObjectCallback<OrbSpinControl>>(this,
                                                                &OrbSpinControl::decrementPressed),
            false, true));
        incrementButton_ = addChild(std::make_unique<OrbButtonControl>(
            this, OrbRect{rect.x + rect.width - buttonWidth, rect.y, buttonWidth, rect.height},
            std::make_unique<OrbObjectCallback<OrbSpinControl>>(this,
                                                                &OrbSpinControl::incrementPressed),
            false, true));
    }

    virtual void decrement() { change(std::max(static_cast<T>(value_ - 1), minimum_)); }
    virtual void increment() { change(std::min(static_cast<T>(value_ + 1), maximum_)); }
    virtual void decrementPressed() {
        setFocused(true);
        decrement();
    }
    virtual void incrementPressed() {
        setFocused(true);
        increment();
    }

    bool keyEvent(int key, int action, int modifiers) override {
        if (isEnabled() && action == OrbKeyPressed && (modifiers & kModifierMask) == 0 &&
            !findCapturing()) {
            if (key == OrbKeyLeft) {
                clearHighlight();
                return decrementButton_->pressByKey(key);
            }
            if (key == OrbKeyRight) {
                clearHighlight();
                return incrementButton_->pressByKey(key);
            }
        }
        return OrbGroupControl::keyEvent(key, action, modifiers);
    }

    bool mouseButton(int button, bool down, OrbPoint point, int modifiers) override {
        if (isEnabled() && down && (button == OrbMouseLeft || button == OrbMouseDoubleClick) &&
            !findCapturing() && contains(point)) {
            if (focusOnClick()) {
                setFocused(true);
            }
            OrbGroupControl::mouseButton(button, down, point, modifiers);
            return true;
        }
        return OrbGroupControl::mouseButton(button, down, point, modifiers);
    }

    T value() const { return value_; }
    // Sets the value without reporting it (the owner knows what it set).
    void setValue(T value) { value_ = std::clamp(value, minimum_, std::max(minimum_, maximum_)); }
    T minimum() const { return minimum_; }
    T maximum() const { return maximum_; }
    void setRange(T minimum, T maximum) {
        minimum_ = minimum;
        maximum_ = std::max(minimum, maximum);
        setValue(value_);
    }
    OrbButtonControl* decrementButton() const { return decrementButton_; }
    OrbButtonControl* incrementButton() const { return incrementButton_; }

protected:
    // Stores a new value and reports it only when it differs.
    void change(T value) {
        if (value != value_) {
            value_ = value;
            if (changeCallback_) {
                changeCallback_->invoke();
            }
        }
    }

private:
    T value_;
    T minimum_;
    T maximum_;
    std::unique_ptr<OrbCallback> changeCallback_;
    OrbButtonControl* decrementButton_ = nullptr;
    OrbButtonControl* incrementButton_ = nullptr;
};
