#pragma once
#include "ui/GvPanel.h"

class GvView;

// Shown when the player fails a normal cave: play it again or go back to the menus.
class GvGameOverMenu : public GvPanel {
public:
    explicit GvGameOverMenu(GvView& view);
    void onEscape() override;

private:
    GvView& view_;
};
