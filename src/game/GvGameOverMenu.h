#pragma once
#include "game/GvMenuPanel.h"

// Shown when the player fails a normal cave: play it again or go back to the menus.
class GvGameOverMenu : public GvMenuPanel {
public:
    explicit GvGameOverMenu(GvView& view);
    void onEscape() override;
};
