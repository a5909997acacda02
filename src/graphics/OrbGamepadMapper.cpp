#include "graphics/OrbGamepadMapper.h"

#include "graphics/OrbKeyCode.h"
#include "graphics/OrbView.h"

namespace {

constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kLeft = 4;
constexpr int kRight = 8;
constexpr int kArrowKeys[4] = {OrbKeyUp, OrbKeyDown, OrbKeyLeft, OrbKeyRight};

// The bits one stick axis holds now; `negative` and `positive` are its directions.
// Between the two distances a direction already held stays held.
int axisBits(int held, int value, int negative, int positive) {
    if (value <= -OrbGamepadMapper::kPushedAt) {
        return negative;
    }
    if (value >= OrbGamepadMapper::kPushedAt) {
        return positive;
    }
    if ((held & negative) != 0 && value <= -OrbGamepadMapper::kReleasedBelow) {
        return negative;
    }
    if ((held & positive) != 0 && value >= OrbGamepadMapper::kReleasedBelow) {
        return positive;
    }
    return 0;
}

} // namespace

void OrbGamepadMapper::button(OrbView& view, int pad, Button which, bool down, int keyboard) {
    if (which < 0 || which >= ButtonCount) {
        return;
    }
    pads_[pad].buttons[which] = down;
    update(view, keyboard);
}

void OrbGamepadMapper::axis(OrbView& view, int pad, Axis which, int value, int keyboard) {
    Pad& state = pads_[pad];
    const int negative = which == StickX ? kLeft : kUp;
    const int positive = which == StickX ? kRight : kDown;
    state.stick =
        (state.stick & ~(negative | positive)) | axisBits(state.stick, value, negative, positive);
    update(view, keyboard);
}

void OrbGamepadMapper::removed(OrbView& view, int pad, int keyboard) {
    pads_.erase(pad);
    update(view, keyboard);
}

void OrbGamepadMapper::update(OrbView& view, int keyboard) {
    int arrows = 0;
    bool escape = false;
    bool south = false;
    for (const auto& [id, pad] : pads_) {
        arrows |= pad.stick;
        arrows |= pad.buttons[DpadUp] ? kUp : 0;
        arrows |= pad.buttons[DpadDown] ? kDown : 0;
        arrows |= pad.buttons[DpadLeft] ? kLeft : 0;
        arrows |= pad.buttons[DpadRight] ? kRight : 0;
        escape = escape || pad.buttons[East] || pad.buttons[Start];
        south = south || pad.buttons[South];
    }

    if (south != southHeld_) {
        southHeld_ = south;
        if (south && view.actionButtonIsModifier()) {
            snapHeld_ = true;
            view.modifiersChanged(keyboard | modifiers());
        } else if (south) {
            returnHeld_ = true;
            view.keyInput(OrbKeyReturn, OrbKeyPressed, keyboard | modifiers());
        } else if (snapHeld_) {
            // Let go the way it was pressed, whatever screen shows now.
            snapHeld_ = false;
            view.modifiersChanged(keyboard);
        } else if (returnHeld_) {
            returnHeld_ = false;
            view.keyInput(OrbKeyReturn, OrbKeyReleased, keyboard);
        }
    }
    const int mask = keyboard | modifiers();
    for (int bit = 0; bit < 4; ++bit) {
        const bool was = (arrowsHeld_ >> bit) & 1;
        const bool is = (arrows >> bit) & 1;
        if (was != is) {
            view.keyInput(kArrowKeys[bit], is ? OrbKeyPressed : OrbKeyReleased, mask);
        }
    }
    arrowsHeld_ = arrows;
    if (escape != escapeHeld_) {
        escapeHeld_ = escape;
        view.keyInput(OrbKeyEscape, escape ? OrbKeyPressed : OrbKeyReleased, mask);
    }
}
