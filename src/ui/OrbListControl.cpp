#include "ui/OrbListControl.h"

#include "graphics/OrbKeyCode.h"

#include <algorithm>
#include <cmath>

OrbListControl::OrbListControl(OrbControl* parent, const OrbRect& rect, int visibleRows,
                               float scrollBarWidth)
    : OrbControl(parent), rect_(rect), visibleRows_(std::max(visibleRows, 1)),
      scrollBarWidth_(scrollBarWidth) {}

void OrbListControl::moveBy(OrbPoint offset) {
    rect_.x += offset.x;
    rect_.y += offset.y;
}

void OrbListControl::reset() {
    dragging_ = false;
    typed_.clear();
    OrbControl::reset();
}

void OrbListControl::clearHighlight() {
    OrbControl::clearHighlight();
    // The typed text stays: groups clear highlights on every key, so clearing it
    // here would cut every search to its last letter. Its pause and `reset` end it.
    dragging_ = false;
}

void OrbListControl::tick(double elapsed) {
    if (elapsed > 0.0) {
        now_ += elapsed;
    }
}

int OrbListControl::findItemByPrefix(const std::string&) const {
    return -1;
}

float OrbListControl::rowHeight() const {
    return rect_.height / static_cast<float>(visibleRows_);
}

OrbRect OrbListControl::rowRect(int visibleRow) const {
    const float h = rowHeight();
    const float top = rect_.y + rect_.height;
    return OrbRect{rect_.x, top - h * static_cast<float>(visibleRow + 1),
                   rect_.width - scrollBarWidth_, h};
}

OrbRect OrbListControl::trackRect() const {
    return OrbRect{rect_.x + rect_.width - scrollBarWidth_, rect_.y, scrollBarWidth_, rect_.height};
}

OrbRect OrbListControl::thumbRect() const {
    const OrbRect track = trackRect();
    if (!hasScrollBar()) {
        return OrbRect{track.x, track.y, 0.0f, 0.0f};
    }
    const float thumbHeight =
        std::min(track.height,
                 std::max(2.0f * scrollBarWidth_, static_cast<float>(visibleRows_) * track.height /
                                                      static_cast<float>(count_)));
    const float f = std::clamp(
        static_cast<float>(firstVisible_) / static_cast<float>(count_ - visibleRows_), 0.0f, 1.0f);
    return OrbRect{track.x, track.y + (1.0f - f) * (track.height - thumbHeight), track.width,
                   thumbHeight};
}

void OrbListControl::clampFirstVisible() {
    firstVisible_ = std::clamp(firstVisible_, 0, std::max(count_ - visibleRows_, 0));
}

void OrbListControl::keepSelectionVisible() {
    if (selected_ >= 0) {
        if (selected_ < firstVisible_) {
            firstVisible_ = selected_;
        } else if (selected_ >= firstVisible_ + visibleRows_) {
            firstVisible_ = selected_ - visibleRows_ + 1;
        }
    }
    clampFirstVisible();
}

void OrbListControl::setCount(int count) {
    count_ = std::max(count, 0);
    if (selected_ >= count_) {
        selected_ = count_ - 1;
    }
    keepSelectionVisible();
    typed_.clear();
}

void OrbListControl::setSelected(int index) {
    selected_ = std::clamp(index, -1, count_ - 1);
    keepSelectionVisible();
    typed_.clear();
}

void OrbListControl::setFirstVisible(int row) {
    firstVisible_ = row;
    clampFirstVisible();
}

void OrbListControl::select(int index) {
    if (index == selected_) {
        return;
    }
    selected_ = index;
    keepSelectionVisible();
    if (selectionCallback_) {
        selectionCallback_->invoke();
    }
}

bool OrbListControl::typeAhead(int key) {
    const bool typed = key == OrbKeySpace || key == OrbKeyComma || key == OrbKeyPeriod ||
                       (key >= '0' && key <= '9') || key == OrbKeyLeftBracket ||
                       key == OrbKeyRightBracket || (key >= 'a' && key <= 'z');
    if (!typed) {
        return false;
    }
    if (now_ - lastTypedTime_ > kTypeAheadPause) {
        typed_.clear();
    }
    typed_.push_back(static_cast<char>(key));
    lastTypedTime_ = now_;
    const int found = findItemByPrefix(typed_);
    if (found >= 0 && found < count_ && found != selected_) {
        select(found);
    }
    return true;
}

bool OrbListControl::keyEvent(int key, int action, int modifiers) {
    if (!isEnabled()) {
        return false;
    }
    const bool pressed = action == OrbKeyPressed || action == OrbKeyRepeated;
    const int mods = modifiers & kModifierMask;
    if (pressed && (mods & (OrbModControl | OrbModAlt | OrbModWindows)) == 0 && typeAhead(key)) {
        return true;
    }
    if (key == OrbKeyShift) {
        return true;
    }
    // Releases leave the search alone: the release of one typed letter comes before
    // the next letter is typed.
    if (pressed) {
        typed_.clear();
    }
    if (count_ > 0 && !dragging_ && pressed && mods == 0) {
        const int from = selected_ >= 0 ? selected_ : 0;
        const int page = std::max(visibleRows_ - 1, 1);
        int to = from;
        bool navigation = true;
        switch (key) {
        case OrbKeyUp:
        case OrbKeyLeft:
            to = from - 1;
            break;
        case OrbKeyDown:
        case OrbKeyRight:
            to = from + 1;
            break;
        case OrbKeyPageUp:
            to = from - page;
            break;
        case OrbKeyPageDown:
            to = from + page;
            break;
        case OrbKeyHome:
            to = 0;
            break;
        case OrbKeyEnd:
            to = count_ - 1;
            break;
        default:
            navigation = false;
            break;
        }
        if (navigation) {
            select(std::clamp(to, 0, count_ - 1));
            return true;
        }
    }
    return navigate(key, action, modifiers);
}

bool OrbListControl::mouseButton(int button, bool down, OrbPoint point, int) {
    if (!isEnabled() || (button != OrbMouseLeft && button != OrbMouseDoubleClick)) {
        return false;
    }
    if (!down) {
        if (dragging_) {
            dragging_ = false;
            return true;
        }
        return false;
    }
    if (dragging_ || !rectContains(rect_, point)) {
        return false;
    }
    if (focusOnClick()) {
        setFocused(true);
    }
    const OrbRect track = trackRect();
    if (point.x < track.x) {
        const float top = rect_.y + rect_.height;
        const int visibleRow = std::clamp(
            static_cast<int>(std::floor((top - point.y) / rowHeight())), 0, visibleRows_ - 1);
        const int row = visibleRow + firstVisible_;
        if (row < count_) {
            select(row);
            if (button == OrbMouseDoubleClick) {
                invokeCallback();
            }
        }
    } else if (hasScrollBar()) {
        const OrbRect thumb = thumbRect();
        if (point.y >= thumb.y && point.y <= thumb.y + thumb.height) {
            dragging_ = true;
            grabOffset_ = thumb.y - point.y;
        }
    }
    return true;
}

bool OrbListControl::mouseMove(OrbPoint point, int) {
    if (!isEnabled()) {
        return false;
    }
    setHighlighted(rectContains(rect_, point));
    if (!dragging_) {
        return false;
    }
    const OrbRect track = trackRect();
    const float thumbHeight = thumbRect().height;
    const float top = track.y + track.height - thumbHeight;
    const float c = std::clamp(grabOffset_ + point.y, track.y, top);
    const float travel = track.height - thumbHeight;
    const int range = count_ - visibleRows_;
    if (travel > 0.0f && range > 0) {
        firstVisible_ = std::clamp(
            static_cast<int>(std::floor((top - c) / travel * static_cast<float>(range) + 0.5f)), 0,
            range);
    }
    return true;
}

void OrbListControl::draw(const OrbColor& tint) {
    drawScrollBar(trackRect(), thumbRect(), tint);
    for (int i = 0; i < visibleRows_; ++i) {
        const int index = firstVisible_ + i;
        if (index >= count_) {
            break;
        }
        drawItem(index, rowRect(i), tint);
    }
}
