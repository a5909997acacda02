#include "ui/OrbGroupControl.h"

#include <algorithm>

OrbGroupControl::OrbGroupControl(OrbControl* parent, const OrbRect& bounds)
    : OrbControl(parent), bounds_(bounds) {}

OrbGroupControl::~OrbGroupControl() = default;

int OrbGroupControl::childCount() const {
    return static_cast<int>(children_.size());
}

OrbControl* OrbGroupControl::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    return children_[static_cast<std::size_t>(index)].get();
}

void OrbGroupControl::adopt(std::unique_ptr<OrbControl> control) {
    if (!control) {
        return;
    }
    control->setParent(this);
    children_.push_back(std::move(control));
}

void OrbGroupControl::moveBy(OrbPoint offset) {
    bounds_.x += offset.x;
    bounds_.y += offset.y;
    OrbControl::moveBy(offset);
}

void OrbGroupControl::draw(const OrbColor& tint) {
    for (const auto& c : children_) {
        c->draw(tint);
    }
}

void OrbGroupControl::tick(double elapsed) {
    for (const auto& c : children_) {
        c->tick(elapsed);
    }
}

bool OrbGroupControl::keyEvent(int key, int action, int modifiers) {
    if (!isEnabled()) {
        return false;
    }
    // A keyboard user hides the hover state.
    clearHighlight();
    OrbControl* capturing = findCapturing();
    if (capturing != nullptr && capturing != this && capturing->keyEvent(key, action, modifiers)) {
        return true;
    }
    OrbControl* focused = findFocused();
    if (focused != nullptr && focused != this && focused != capturing &&
        focused->keyEvent(key, action, modifiers)) {
        return true;
    }
    return navigate(key, action, modifiers);
}

bool OrbGroupControl::mouseButton(int button, bool down, OrbPoint point, int modifiers) {
    if (!isEnabled()) {
        return false;
    }
    OrbControl* capturing = findCapturing();
    if (capturing == this) {
        capturing = nullptr;
    }
    if (capturing != nullptr && capturing->mouseButton(button, down, point, modifiers)) {
        return true;
    }
    OrbControl* focused = findFocused();
    if (focused == this || focused == capturing) {
        focused = nullptr;
    }
    if (focused != nullptr && focused->mouseButton(button, down, point, modifiers)) {
        return true;
    }
    OrbControl* under = findAt(point);
    if (under != nullptr && under != capturing && under != focused) {
        return under->mouseButton(button, down, point, modifiers);
    }
    return false;
}

bool OrbGroupControl::mouseMove(OrbPoint point, int modifiers) {
    if (!isEnabled()) {
        return false;
    }
    bool handled = false;
    OrbControl* capturing = findCapturing();
    if (capturing == this) {
        capturing = nullptr;
    }
    if (capturing != nullptr) {
        handled = capturing->mouseMove(point, modifiers) || handled;
    }
    OrbControl* focused = findFocused();
    if (focused == this || focused == capturing) {
        focused = nullptr;
    }
    if (focused != nullptr) {
        handled = focused->mouseMove(point, modifiers) || handled;
    }
    // Every child hears the move so that all hover states follow the pointer.
    for (const auto& c : children_) {
        if (c.get() != capturing && c.get() != focused) {
            handled = c->mouseMove(point, modifiers) || handled;
        }
    }
    return handled;
}

OrbRect OrbGroupControl::childrenBounds() const {
    if (children_.empty()) {
        return bounds_;
    }
    OrbRect first = children_.front()->bounds();
    float left = first.x;
    float bottom = first.y;
    float right = first.x + first.width;
    float top = first.y + first.height;
    for (const auto& c : children_) {
        const OrbRect r = c->bounds();
        left = std::min(left, r.x);
        bottom = std::min(bottom, r.y);
        right = std::max(right, r.x + r.width);
        top = std::max(top, r.y + r.height);
    }
    return OrbRect{left, bottom, right - left, top - bottom};
}

void OrbGroupControl::linkChildrenVertically() {
    for (std::size_t i = 0; i + 1 < children_.size(); ++i) {
        linkVertical(children_[i].get(), children_[i + 1].get());
    }
}
