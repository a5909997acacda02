#include "game/GvGameOverMenu.h"

#include "game/GvView.h"

GvGameOverMenu::GvGameOverMenu(GvView& view) : GvMenuPanel(view, "Game Over") {
    const int retry = addRow("TRY AGAIN", 0.0f, [this] { view_.playSelectedLevel(); });
    addRow("MAIN MENU", -9.0f, [this] { view_.returnToMenu(); });
    finishPanel(retry);
}

void GvGameOverMenu::onEscape() {
    view_.returnToMenu();
}
