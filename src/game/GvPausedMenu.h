#pragma once
#include "game/GvMenuPanel.h"

// The menu over a paused cave: resume, play the level again from its start (only
// in the instance built with that row), or abandon it.
class GvPausedMenu : public GvMenuPanel {
public:
    GvPausedMenu(GvView& view, bool withRetry);
    void onEscape() override;
    bool hasRetry() const { return withRetry_; }

private:
    bool withRetry_;
};
