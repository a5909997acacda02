#pragma once

#include "graphics/OrbColor.h"
#include "graphics/OrbPoint.h"
#include "graphics/OrbRect.h"
#include "platform/OrbUncopyable.h"
#include "ui/OrbCallback.h"

#include <array>
#include <memory>

// The base of every control of the menus: a node of a retained tree that knows its
// parent, its keyboard neighbours, its focus and hover state and its action. The
// default input handling moves the focus between linked neighbours, so a control
// that does not care about a key lets the keyboard user walk past it.
class OrbControl : public OrbUncopyable {
public:
    // Indices of the neighbour links.
    enum Neighbour : int {
        kPrevious = 0,
        kNext = 1,
        kUp = 2,
        kDown = 3,
        kLeft = 4,
        kRight = 5,
        kNeighbourCount = 6
    };
    // Modifiers that count for key handling; Caps Lock is ignored.
    static constexpr int kModifierMask = 29;
    // Following a chain of disabled neighbours stops after this many steps, so a
    // ring of disabled controls cannot hang the keyboard.
    static constexpr int kMaxNavigationSteps = 100;

    explicit OrbControl(OrbControl* parent);
    virtual ~OrbControl();

    virtual int childCount() const;
    virtual OrbControl* child(int index) const;
    virtual OrbRect bounds() const = 0;
    virtual void moveBy(OrbPoint offset);
    virtual void reset();
    virtual void setEnabled(bool enabled);
    virtual void setFocusOnClick(bool focusOnClick);
    virtual void setDefaultFocus(bool defaultFocus);
    // Taking the focus takes it away from every other control of the same tree.
    virtual void setFocused(bool focused);
    virtual bool isCapturing() const;
    virtual void setHighlighted(bool highlighted);
    virtual void clearHighlight();
    // Every colour drawn is multiplied by the tint, so a parent can fade a subtree.
    virtual void draw(const OrbColor& tint);
    virtual bool keyEvent(int key, int action, int modifiers);
    virtual bool mouseButton(int button, bool down, OrbPoint point, int modifiers);
    virtual bool mouseMove(OrbPoint point, int modifiers);
    virtual void tick(double elapsed);

    OrbControl* parent() const { return parent_; }
    // Used by a group adopting a control built for another parent.
    void setParent(OrbControl* parent) { parent_ = parent; }
    OrbControl* root();

    bool isEnabled() const { return enabled_; }
    bool focusOnClick() const { return focusOnClick_; }
    bool isDefaultFocus() const { return defaultFocus_; }
    bool isFocused() const { return focused_; }
    bool isHighlighted() const { return highlighted_; }

    OrbCallback* callback() const { return callback_.get(); }
    // Replacing the action deletes the old one.
    void setCallback(std::unique_ptr<OrbCallback> callback) { callback_ = std::move(callback); }
    void invokeCallback();

    OrbControl* neighbour(int index) const { return neighbours_[static_cast<std::size_t>(index)]; }
    void setNeighbour(int index, OrbControl* control) {
        neighbours_[static_cast<std::size_t>(index)] = control;
    }

    // Depth-first searches: this control first, then the children from the last to
    // the first, so the control drawn on top wins.
    OrbControl* findDefaultFocus();
    OrbControl* findFocused();
    OrbControl* findCapturing();
    // The deepest descendant (not this control) whose bounds hold the point.
    OrbControl* findAt(OrbPoint point);
    // Bounds test with the edges included.
    bool contains(OrbPoint point) const;

    // a.next = b, b.previous = a.
    static void linkNext(OrbControl* a, OrbControl* b);
    // As linkNext, and a.down = b, b.up = a.
    static void linkVertical(OrbControl* a, OrbControl* b);
    // As linkNext, and a.right = b, b.left = a.
    static void linkHorizontal(OrbControl* a, OrbControl* b);

    static OrbColor tinted(const OrbColor& colour, const OrbColor& tint);
    static bool rectContains(const OrbRect& rect, OrbPoint point);

protected:
    // Focus navigation: Tab, Shift+Tab and the arrows move to the linked neighbour,
    // skipping disabled ones.
    bool navigate(int key, int action, int modifiers);

private:
    void unfocusOthers(OrbControl* keep);

    OrbControl* parent_;
    bool enabled_ = true;
    bool focusOnClick_ = true;
    bool defaultFocus_ = false;
    bool focused_ = false;
    bool highlighted_ = false;
    std::unique_ptr<OrbCallback> callback_;
    std::array<OrbControl*, kNeighbourCount> neighbours_{};
};

// Places a width x height rectangle at an anchor: the low four bits of the flags
// choose the horizontal anchor (2 centre, 3 right edge, else left edge), the next
// four the vertical one (0x20 centre, 0x30 top edge, else bottom edge).
OrbRect placeRect(OrbPoint anchor, float width, float height, int flags);
