#pragma once

#include "ui/GvUiResources.h"
#include "ui/OrbGroupControl.h"

// The base of every dialog and menu: a group that, when nothing inside wants a
// key, turns Return and Escape into its own hooks, and that puts the focus on its
// default control whenever it is shown.
class GvPanel : public OrbGroupControl {
public:
    GvPanel(OrbControl* parent, const GvUiResources* resources, const OrbRect& bounds = OrbRect{});

    // Showing the panel: controls forget their presses and drags, the default
    // control takes the focus, hover states are cleared.
    void reset() override;
    bool keyEvent(int key, int action, int modifiers) override;

    // Two hooks for panels that need more than Return and Escape.
    virtual void onHookA() {}
    virtual void onHookB() {}
    virtual void onReturn(int /*key*/) {}
    virtual void onEscape() {}

    const GvUiResources* resources() const { return resources_; }

private:
    const GvUiResources* resources_;
};
