#include "game/GvLevelCompleteMenu.h"

#include "game/GvResources.h"
#include "game/GvView.h"
#include "graphics/OrbFont.h"

GvLevelCompleteMenu::GvLevelCompleteMenu(GvView& view, bool newRecord)
    : GvMenuPanel(view, "Completed!"), newRecord_(newRecord) {
    if (newRecord) {
        const OrbColor yellow = GvResources::makeColour(1.0f, 1.0f, 0.0f, 1.0f);
        const std::string text = "New High Score";
        const float half = textWidth(text, 4.0f) / 2.0f;
        const float gap = 1.5f * textWidth(" ", 4.0f);
        const float y = 5.0f;
        const int middle = OrbFont::kAlignMiddle;
        addText(text, 0.0f, y, 4.0f, OrbFont::kAlignCentre | middle, yellow);
        addText("\x11", -half - gap, y, 4.0f, OrbFont::kAlignRight | middle, yellow);
        addText("\x11", half + gap, y, 4.0f, OrbFont::kAlignLeft | middle, yellow);
    }
    const int next = addRow("CONTINUE", 0.0f, [this] { view_.continueToNextLevel(); });
    addRow("ABORT", -9.0f, [this] { view_.returnToMenu(); });
    finishPanel(next);
}
