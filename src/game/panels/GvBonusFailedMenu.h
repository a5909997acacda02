#pragma once
#include "ui/GvPanel.h"

class GvView;

// Shown when a bonus cave is failed: failing one only skips it, so the player may
// go on to the next level or leave. Escape does nothing here.
class GvBonusFailedMenu : public GvPanel {
public:
    explicit GvBonusFailedMenu(GvView& view);
};
