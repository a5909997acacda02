#include "ui/GvPanel.h"

#include "graphics/OrbKeyCode.h"

GvPanel::GvPanel(OrbControl* parent, const GvUiResources* resources, const OrbRect& bounds)
    : OrbGroupControl(parent, bounds), resources_(resources) {}

void GvPanel::reset() {
    OrbGroupControl::reset();
    if (OrbControl* control = findDefaultFocus()) {
        control->setFocused(true);
    }
    clearHighlight();
}

bool GvPanel::keyEvent(int key, int action, int modifiers) {
    if (OrbGroupControl::keyEvent(key, action, modifiers)) {
        return true;
    }
    if (!isEnabled() || action != OrbKeyPressed || (modifiers & kModifierMask) != 0) {
        return false;
    }
    if (key == OrbKeyReturn) {
        onReturn(key);
        return true;
    }
    if (key == OrbKeyEscape) {
        onEscape();
        return true;
    }
    return false;
}
