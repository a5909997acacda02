#include "game/GvBonusFailedMenu.h"

#include "game/GvView.h"

GvBonusFailedMenu::GvBonusFailedMenu(GvView& view) : GvMenuPanel(view, "Bonus Failed!") {
    const int next = addRow("CONTINUE", 0.0f, [this] { view_.continueToNextLevel(); });
    addRow("ABORT", -9.0f, [this] { view_.returnToMenu(); });
    finishPanel(next);
}
