#pragma once
#include "ui/GvPanel.h"

class GvView;

// Shown when a cave is completed: on to the next level, or back to the menus. The
// instance built for a new best run says so above its buttons. Escape does nothing.
class GvLevelCompleteMenu : public GvPanel {
public:
    GvLevelCompleteMenu(GvView& view, bool newRecord);
    bool showsNewRecord() const { return newRecord_; }

private:
    bool newRecord_;
};
