#include "game/GvPausedMenu.h"

#include "game/GvView.h"

GvPausedMenu::GvPausedMenu(GvView& view, bool withRetry)
    : GvMenuPanel(view, "Paused"), withRetry_(withRetry) {
    float y = 0.0f;
    const int resume = addRow("RESUME", y, [this] { view_.resumeGame(); });
    if (withRetry) {
        y -= 9.0f;
        addRow("TRY AGAIN", y, [this] { view_.playSelectedLevel(); });
    }
    y -= 9.0f;
    addRow("ABORT", y, [this] { view_.returnToMenu(); });
    finishPanel(resume);
}

void GvPausedMenu::onEscape() {
    view_.resumeGame();
}
