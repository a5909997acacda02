#pragma once
#include "game/GvMenuPanel.h"

// Shown when a bonus cave is failed: failing one only skips it, so the player may
// go on to the next level or leave.
class GvBonusFailedMenu : public GvMenuPanel {
public:
    explicit GvBonusFailedMenu(GvView& view);
};
