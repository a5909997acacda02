#pragma once
#include "game/GvMenuPanel.h"

// Shown when a cave is completed: on to the next level, or back to the menus. The
// instance built for a new best run says so above its buttons.
class GvLevelCompleteMenu : public GvMenuPanel {
public:
    GvLevelCompleteMenu(GvView& view, bool newRecord);
    bool showsNewRecord() const { return newRecord_; }

private:
    bool newRecord_;
};
