#pragma once
// Drives panels through the toolkit's own key and mouse operations, and finds
// their controls by the text they show.
#include "graphics/OrbKeyCode.h"
#include "ui/GvPushButton.h"
#include "ui/GvTextButton.h"
#include "ui/OrbTextControl.h"

#include <string>

// The first control of the tree (depth first, in order) showing exactly `text`.
inline OrbControl* findText(OrbControl& root, const std::string& text) {
    const auto* push = dynamic_cast<const GvPushButton*>(&root);
    const auto* textButton = dynamic_cast<const GvTextButton*>(&root);
    const auto* label = dynamic_cast<const OrbTextControl*>(&root);
    if ((push != nullptr && push->text() == text) ||
        (textButton != nullptr && textButton->text() == text) ||
        (label != nullptr && label->text() == text)) {
        return &root;
    }
    for (int i = 0; i < root.childCount(); ++i) {
        if (OrbControl* found = findText(*root.child(i), text)) {
            return found;
        }
    }
    return nullptr;
}

// A key pressed and released.
template <typename Target> void tapKey(Target& target, int key, int modifiers = 0) {
    target.keyEvent(key, OrbKeyPressed, modifiers);
    target.keyEvent(key, OrbKeyReleased, modifiers);
}

inline OrbPoint centreOf(const OrbControl& control) {
    const OrbRect r = control.bounds();
    return OrbPoint{r.x + r.width / 2.0f, r.y + r.height / 2.0f};
}

// A left click (press and release) on the middle of a control.
inline bool click(OrbControl& panel, const OrbControl& target, int button = OrbMouseLeft) {
    const OrbPoint p = centreOf(target);
    const bool handled = panel.mouseButton(button, true, p, 0);
    panel.mouseButton(OrbMouseLeft, false, p, 0);
    return handled;
}
