#pragma once
#include "game/GvMenuPanel.h"

// Volume and full screen. The full-screen field follows the window's state, which
// can also change by Alt+Return while the box is up.
class GvOptionsBox : public GvMenuPanel {
public:
    explicit GvOptionsBox(GvView& view);
    void reset() override;
    void beforeDraw() override;
    void onReturn() override;
    void onEscape() override;

private:
    void refresh();

    int volume_ = -1;
    int fullScreen_ = -1;
};
