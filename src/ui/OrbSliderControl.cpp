#include "ui/OrbSliderControl.h"

#include "graphics/OrbKeyCode.h"

#include <algorithm>
#include <cmath>

OrbSliderControl::OrbSliderControl(OrbControl* parent, const OrbRect& rect,
                                   const OrbValueCallback<float>* getter,
                                   OrbSetValueCallback<float>* setter)
    : OrbControl(parent), rect_(rect), getter_(getter), setter_(setter) {}

void OrbSliderControl::moveBy(OrbPoint offset) {
    rect_.x += offset.x;
    rect_.y += offset.y;
}

void OrbSliderControl::reset() {
    dragging_ = false;
    OrbControl::reset();
}

void OrbSliderControl::clearHighlight() {
    OrbControl::clearHighlight();
    dragging_ = false;
}

float OrbSliderControl::valueAt(float x) const {
    if (rect_.width <= 0.0f) {
        return x < rect_.x ? 0.0f : 1.0f;
    }
    return std::clamp((x - rect_.x) / rect_.width, 0.0f, 1.0f);
}

float OrbSliderControl::displayedValue() const {
    float value = dragging_ ? dragValue_ : (getter_ != nullptr ? getter_->get() : 0.0f);
    // A getter may answer anything; NaN would otherwise travel into the drawing.
    if (std::isnan(value)) {
        value = 0.0f;
    }
    return std::clamp(value, 0.0f, 1.0f);
}

bool OrbSliderControl::keyEvent(int key, int action, int modifiers) {
    if (!isEnabled()) {
        return false;
    }
    if (dragging_) {
        return true;
    }
    return navigate(key, action, modifiers);
}

bool OrbSliderControl::mouseButton(int button, bool down, OrbPoint point, int) {
    if (!isEnabled() || button != OrbMouseLeft) {
        return false;
    }
    if (down) {
        if (dragging_ || !rectContains(rect_, point)) {
            return false;
        }
        if (focusOnClick()) {
            setFocused(true);
        }
        dragValue_ = valueAt(point.x);
        dragging_ = true;
        invokeCallback();
        return true;
    }
    if (!dragging_) {
        return false;
    }
    dragValue_ = valueAt(point.x);
    dragging_ = false;
    if (setter_ != nullptr) {
        setter_->set(dragValue_);
    }
    return true;
}

bool OrbSliderControl::mouseMove(OrbPoint point, int) {
    if (!isEnabled()) {
        return false;
    }
    setHighlighted(rectContains(rect_, point));
    if (!dragging_) {
        return false;
    }
    dragValue_ = valueAt(point.x);
    return true;
}
