#pragma once

#include "ui/OrbControl.h"

#include <memory>
#include <vector>

// A control made of other controls: it owns its children, routes input to the one
// that holds the mouse or the keyboard, then to the focused one, then to the one
// under the pointer, and draws them in order (the last on top).
class OrbGroupControl : public OrbControl {
public:
    OrbGroupControl(OrbControl* parent, const OrbRect& bounds);
    ~OrbGroupControl() override;

    int childCount() const override;
    OrbControl* child(int index) const override;
    OrbRect bounds() const override { return bounds_; }
    void moveBy(OrbPoint offset) override;
    void draw(const OrbColor& tint) override;
    bool keyEvent(int key, int action, int modifiers) override;
    bool mouseButton(int button, bool down, OrbPoint point, int modifiers) override;
    bool mouseMove(OrbPoint point, int modifiers) override;
    void tick(double elapsed) override;

    // Appends a child, which the group then owns; answers it for wiring.
    template <typename T> T* addChild(std::unique_ptr<T> control) {
        T* raw = control.get();
        adopt(std::unique_ptr<OrbControl>(std::move(control)));
        return raw;
    }
    void setBounds(const OrbRect& bounds) { bounds_ = bounds; }
    // The smallest rectangle around every child's bounds (the stored bounds when
    // there is no child).
    OrbRect childrenBounds() const;
    // Links each child to the following one for Tab and Up/Down.
    void linkChildrenVertically();

private:
    void adopt(std::unique_ptr<OrbControl> control);

    OrbRect bounds_;
    std::vector<std::unique_ptr<OrbControl>> children_;
};
