#pragma once
#include "ui/GvPanel.h"

class GvView;

// The first screen: the logo over the backdrop and the five main entries. Return
// and Escape that no entry takes do nothing.
class GvTitleMenu : public GvPanel {
public:
    explicit GvTitleMenu(GvView& view);

private:
    void showStart();
    void showOptions();
    void showHelp();
    void showAbout();

    GvView& view_;
};
