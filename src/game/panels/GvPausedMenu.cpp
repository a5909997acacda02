#include "game/panels/GvPausedMenu.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvMenuRows.h"
#include "ui/OrbObjectCallback.h"

GvPausedMenu::GvPausedMenu(GvView& view, bool withRetry)
    : GvPanel(nullptr, &view.resources().ui()), view_(view), withRetry_(withRetry) {
    GvMenuRows rows(*this);
    rows.add("RESUME", objectCallback(&view, &GvView::resumeGame))->setDefaultFocus(true);
    if (withRetry) {
        rows.add("TRY AGAIN", objectCallback(&view, &GvView::playSelectedLevel));
    }
    rows.add("ABORT", objectCallback(&view, &GvView::returnToMenu));
    finishPanel("Paused");
}

void GvPausedMenu::onEscape() {
    view_.resumeGame();
}
