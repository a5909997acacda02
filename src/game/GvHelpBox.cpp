#include "game/GvHelpBox.h"

#include "game/GvResources.h"
#include "game/GvView.h"
#include "graphics/OrbFont.h"

GvHelpBox::GvHelpBox(GvView& view) : GvMenuPanel(view, "Help") {
    static const char* const rows[][2] = {
        {"Move:", "Arrows"},
        {"Dig / Snap:", "Control+Arrows"},
        {"", "Alt+Arrows"},
        {"Pause:", "Escape / Return"},
        {"Fast Forward:", "Tab"},
        {"Adjust View:", "Shift+Arrows"},
        {"Full-Screen:", "Alt+Return"},
        {"Adjust Volume:", "[  ]"},
    };
    const OrbColor label{1.0f, 1.0f, 1.0f, 1.0f};
    const OrbColor key = GvResources::makeColour(0.8f, 0.8f, 0.0f, 1.0f);
    float y = 0.0f;
    for (const auto& row : rows) {
        if (row[0][0] != '\0') {
            addText(row[0], 0.0f, y, 4.0f, OrbFont::kAlignLeftBottom, label);
        }
        addText(row[1], 50.0f, y, 4.0f, OrbFont::kAlignLeftBottom, key);
        y -= 5.6f;
    }
    const int done = addButton("DONE", {20.0f, y + 5.6f - 2.4f - 7.0f, 40.0f, 7.0f},
                               [this] { view_.backScreen(); });
    finishPanel(done);
}

void GvHelpBox::onEscape() {
    view_.backScreen();
}
