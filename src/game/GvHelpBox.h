#pragma once
#include "game/GvMenuPanel.h"

// The keys of the game in a two-column table.
class GvHelpBox : public GvMenuPanel {
public:
    explicit GvHelpBox(GvView& view);
    void onEscape() override;
};
