#pragma once

#include "ui/OrbControl.h"

// A push button worked by the mouse or by Space/Return. An ordinary button acts on
// release (so sliding off with the mouse cancels); an auto-repeat button acts at
// once and then repeatedly while it stays pressed.
class OrbButtonControl : public OrbControl {
public:
    static constexpr double kFirstRepeatDelay = 0.4;
    static constexpr double kRepeatInterval = 0.12;

    OrbButtonControl(OrbControl* parent, const OrbRect& rect, std::unique_ptr<OrbCallback> callback,
                     bool focusOnClick = true, bool autoRepeat = false);

    OrbRect bounds() const override { return rect_; }
    void moveBy(OrbPoint offset) override;
    void reset() override;
    bool isCapturing() const override;
    void clearHighlight() override;
    bool keyEvent(int key, int action, int modifiers) override;
    bool mouseButton(int button, bool down, OrbPoint point, int modifiers) override;
    bool mouseMove(OrbPoint point, int modifiers) override;
    void tick(double elapsed) override;

    // Presses the button as the key would (panels press their main button from
    // Return this way); answers whether it was pressed.
    bool pressByKey(int key);

    bool isPressed() const { return pressed_; }
    bool isAutoRepeat() const { return autoRepeat_; }
    int holdingKey() const { return holdingKey_; }
    bool isMouseHeld() const { return mouseHeld_; }
    void setRect(const OrbRect& rect) { rect_ = rect; }

private:
    void dropPress();

    OrbRect rect_;
    int holdingKey_ = 0;
    bool mouseHeld_ = false;
    bool pressed_ = false;
    bool autoRepeat_;
    double firstDelay_ = kFirstRepeatDelay;
    double interval_ = kRepeatInterval;
    double timer_ = 0.0;
};
