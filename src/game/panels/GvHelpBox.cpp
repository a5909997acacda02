#include "game/panels/GvHelpBox.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "graphics/OrbFont.h"
#include "ui/GvDialogPushButton.h"
#include "ui/GvText.h"
#include "ui/GvUiColours.h"
#include "ui/OrbObjectCallback.h"

namespace {

constexpr float kTextSize = 4.0f;
constexpr float kKeyColumn = 50.0f;
constexpr float kRowPitch = 5.6f;
constexpr float kButtonGap = 2.4f;

} // namespace

GvHelpBox::GvHelpBox(GvView& view) : GvPanel(nullptr, &view.resources().ui()), view_(view) {
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
    const OrbColor label = GvUiColours::get().label;
    const OrbColor key = GvUiColours::make(0.8f, 0.8f, 0.0f);
    float y = 0.0f;
    float right = 0.0f;
    for (const auto& row : rows) {
        if (row[0][0] != '\0') {
            addChild(std::make_unique<GvText>(this, resources(), row[0], OrbPoint{0.0f, y},
                                              kTextSize, label, OrbFont::kAlignLeftBottom));
        }
        addChild(std::make_unique<GvText>(this, resources(), row[1], OrbPoint{kKeyColumn, y},
                                          kTextSize, key, OrbFont::kAlignLeftBottom));
        right = std::max(right, kKeyColumn + textWidth(row[1], kTextSize));
        y -= kRowPitch;
    }
    const float top = y + kRowPitch - kButtonGap;
    addChild(std::make_unique<GvDialogPushButton>(
                 this, resources(), OrbRect{right / 2.0f - 20.0f, top - 7.0f, 40.0f, 7.0f}, "DONE",
                 objectCallback(&view, &GvView::backScreen)))
        ->setDefaultFocus(true);
    finishPanel("Help");
}

void GvHelpBox::onEscape() {
    view_.backScreen();
}
