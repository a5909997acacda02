#include "game/panels/GvGameOverMenu.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvMenuRows.h"
#include "ui/OrbObjectCallback.h"

GvGameOverMenu::GvGameOverMenu(GvView& view)
    : GvPanel(nullptr, &view.resources().ui()), view_(view) {
    GvMenuRows rows(*this);
    rows.add("TRY AGAIN", objectCallback(&view, &GvView::playSelectedLevel))->setDefaultFocus(true);
    rows.add("MAIN MENU", objectCallback(&view, &GvView::returnToMenu));
    finishPanel("Game Over");
}

void GvGameOverMenu::onEscape() {
    view_.returnToMenu();
}
