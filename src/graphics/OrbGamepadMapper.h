#pragma once

#include <map>

class OrbView;

// Turns game controllers into the keyboard the rest of the program knows: the d-pad
// and the left stick are the arrow keys, Start and the east button are Escape, and
// the south button is held Control during play (act without moving) or presses
// Return in the menus. Several controllers at once count as one; a controller that
// is unplugged lets go of everything it held.
class OrbGamepadMapper {
public:
    enum Button { South, East, Start, DpadUp, DpadDown, DpadLeft, DpadRight, ButtonCount };
    enum Axis { StickX, StickY };

    // A stick counts as pushed from this far out and as let go below the second
    // distance, so that a stick resting near the edge does not flicker.
    static constexpr int kPushedAt = 16000;
    static constexpr int kReleasedBelow = 12000;

    // `keyboard` is the modifier mask of the keyboard alone at the time.
    void button(OrbView& view, int pad, Button which, bool down, int keyboard);
    // Axis values run from -32768 (left, up) to 32767 (right, down).
    void axis(OrbView& view, int pad, Axis which, int value, int keyboard);
    void removed(OrbView& view, int pad, int keyboard);

    // The modifiers the controllers hold (Control while the south button is snap).
    int modifiers() const { return snapHeld_ ? kSnapModifier : 0; }

private:
    static constexpr int kSnapModifier = 4;

    struct Pad {
        bool buttons[ButtonCount] = {};
        // Arrow bits (up, down, left, right) the stick holds.
        int stick = 0;
    };

    void update(OrbView& view, int keyboard);

    std::map<int, Pad> pads_;
    int arrowsHeld_ = 0;
    bool escapeHeld_ = false;
    bool southHeld_ = false;
    bool snapHeld_ = false;
    bool returnHeld_ = false;
};
