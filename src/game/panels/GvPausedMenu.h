#pragma once
#include "ui/GvPanel.h"

class GvView;

// The menu over a paused cave: resume, play the level again from its start (only
// in the instance built with that row), or abandon it.
class GvPausedMenu : public GvPanel {
public:
    GvPausedMenu(GvView& view, bool withRetry);
    void onEscape() override;
    bool hasRetry() const { return withRetry_; }

private:
    GvView& view_;
    bool withRetry_;
};
