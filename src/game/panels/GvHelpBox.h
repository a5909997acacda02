#pragma once
#include "ui/GvPanel.h"

class GvView;

// The keys of the game in a two-column table.
class GvHelpBox : public GvPanel {
public:
    explicit GvHelpBox(GvView& view);
    void onEscape() override;

private:
    GvView& view_;
};
