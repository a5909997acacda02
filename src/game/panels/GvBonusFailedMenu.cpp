#include "game/panels/GvBonusFailedMenu.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvMenuRows.h"
#include "ui/OrbObjectCallback.h"

GvBonusFailedMenu::GvBonusFailedMenu(GvView& view) : GvPanel(nullptr, &view.resources().ui()) {
    GvMenuRows rows(*this);
    rows.add("CONTINUE", objectCallback(&view, &GvView::continueToNextLevel))
        ->setDefaultFocus(true);
    rows.add("ABORT", objectCallback(&view, &GvView::returnToMenu));
    finishPanel("Bonus Failed!");
}
