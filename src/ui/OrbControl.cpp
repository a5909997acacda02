#include "ui/OrbControl.h"

#include "graphics/OrbKeyCode.h"

OrbControl::OrbControl(OrbControl* parent) : parent_(parent) {}

OrbControl::~OrbControl() = default;

int OrbControl::childCount() const {
    return 0;
}

OrbControl* OrbControl::child(int) const {
    return nullptr;
}

void OrbControl::moveBy(OrbPoint offset) {
    for (int i = 0; i < childCount(); ++i) {
        child(i)->moveBy(offset);
    }
}

void OrbControl::reset() {
    highlighted_ = false;
    for (int i = 0; i < childCount(); ++i) {
        child(i)->reset();
    }
}

void OrbControl::setEnabled(bool enabled) {
    enabled_ = enabled;
}

void OrbControl::setFocusOnClick(bool focusOnClick) {
    focusOnClick_ = focusOnClick;
}

void OrbControl::setDefaultFocus(bool defaultFocus) {
    defaultFocus_ = defaultFocus;
}

void OrbControl::setFocused(bool focused) {
    if (focused == focused_) {
        return;
    }
    focused_ = focused;
    if (focused) {
        root()->unfocusOthers(this);
    }
}

void OrbControl::unfocusOthers(OrbControl* keep) {
    if (this != keep && focused_) {
        setFocused(false);
    }
    for (int i = 0; i < childCount(); ++i) {
        child(i)->unfocusOthers(keep);
    }
}

bool OrbControl::isCapturing() const {
    return false;
}

void OrbControl::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
}

void OrbControl::clearHighlight() {
    if (highlighted_) {
        setHighlighted(false);
    }
    for (int i = 0; i < childCount(); ++i) {
        child(i)->clearHighlight();
    }
}

void OrbControl::draw(const OrbColor&) {}

bool OrbControl::keyEvent(int key, int action, int modifiers) {
    return navigate(key, action, modifiers);
}

bool OrbControl::mouseButton(int, bool, OrbPoint, int) {
    return false;
}

bool OrbControl::mouseMove(OrbPoint, int) {
    return false;
}

void OrbControl::tick(double) {}

OrbControl* OrbControl::root() {
    OrbControl* control = this;
    while (control->parent_ != nullptr) {
        control = control->parent_;
    }
    return control;
}

void OrbControl::invokeCallback() {
    if (callback_) {
        callback_->invoke();
    }
}

OrbControl* OrbControl::findDefaultFocus() {
    if (defaultFocus_) {
        return this;
    }
    for (int i = childCount() - 1; i >= 0; --i) {
        if (OrbControl* found = child(i)->findDefaultFocus()) {
            return found;
        }
    }
    return nullptr;
}

OrbControl* OrbControl::findFocused() {
    if (focused_) {
        return this;
    }
    for (int i = childCount() - 1; i >= 0; --i) {
        if (OrbControl* found = child(i)->findFocused()) {
            return found;
        }
    }
    return nullptr;
}

OrbControl* OrbControl::findCapturing() {
    if (isCapturing()) {
        return this;
    }
    for (int i = childCount() - 1; i >= 0; --i) {
        if (OrbControl* found = child(i)->findCapturing()) {
            return found;
        }
    }
    return nullptr;
}

OrbControl* OrbControl::findAt(OrbPoint point) {
    for (int i = childCount() - 1; i >= 0; --i) {
        OrbControl* c = child(i);
        if (OrbControl* found = c->findAt(point)) {
            return found;
        }
        if (c->contains(point)) {
            return c;
        }
    }
    return nullptr;
}

bool OrbControl::contains(OrbPoint point) const {
    return rectContains(bounds(), point);
}

bool OrbControl::rectContains(const OrbRect& rect, OrbPoint point) {
    return point.x >= rect.x && point.x <= rect.x + rect.width && point.y >= rect.y &&
           point.y <= rect.y + rect.height;
}

void OrbControl::linkNext(OrbControl* a, OrbControl* b) {
    a->setNeighbour(kNext, b);
    b->setNeighbour(kPrevious, a);
}

void OrbControl::linkVertical(OrbControl* a, OrbControl* b) {
    linkNext(a, b);
    a->setNeighbour(kDown, b);
    b->setNeighbour(kUp, a);
}

void OrbControl::linkHorizontal(OrbControl* a, OrbControl* b) {
    linkNext(a, b);
    a->setNeighbour(kRight, b);
    b->setNeighbour(kLeft, a);
}

OrbColor OrbControl::tinted(const OrbColor& colour, const OrbColor& tint) {
    return OrbColor{colour.r * tint.r, colour.g * tint.g, colour.b * tint.b, colour.a * tint.a};
}

bool OrbControl::navigate(int key, int action, int modifiers) {
    if (action != OrbKeyPressed && action != OrbKeyRepeated) {
        return false;
    }
    const int mods = modifiers & kModifierMask;
    int direction = -1;
    if (key == OrbKeyTab) {
        if (mods == 0) {
            direction = kNext;
        } else if (mods == OrbModShift) {
            direction = kPrevious;
        }
    } else if (mods == 0) {
        switch (key) {
        case OrbKeyUp:
            direction = kUp;
            break;
        case OrbKeyDown:
            direction = kDown;
            break;
        case OrbKeyLeft:
            direction = kLeft;
            break;
        case OrbKeyRight:
            direction = kRight;
            break;
        default:
            break;
        }
    }
    if (direction < 0) {
        return false;
    }
    OrbControl* target = neighbour(direction);
    int steps = 0;
    while (target != nullptr && !target->isEnabled()) {
        if (++steps > kMaxNavigationSteps) {
            return false;
        }
        target = target->neighbour(direction);
    }
    if (target == nullptr) {
        return false;
    }
    target->setFocused(true);
    return true;
}

OrbRect placeRect(OrbPoint anchor, float width, float height, int flags) {
    float x = anchor.x;
    switch (flags & 0x0f) {
    case 2:
        x -= width / 2.0f;
        break;
    case 3:
        x -= width;
        break;
    default:
        break;
    }
    float y = anchor.y;
    switch (flags & 0xf0) {
    case 0x20:
        y -= height / 2.0f;
        break;
    case 0x30:
        y -= height;
        break;
    default:
        break;
    }
    return OrbRect{x, y, width, height};
}
