#include "game/GvErrorBox.h"

#include "game/GvResources.h"
#include "game/GvView.h"
#include "graphics/OrbFont.h"

GvErrorBox::GvErrorBox(GvView& view, const std::string& message) : GvMenuPanel(view, "Error") {
    font_->wrapLines(OrbFont::filterText(message, true), lines_, kWrapWidth, 4.0f,
                     OrbFont::kSmallCaps, 1.0f);
    if (static_cast<int>(lines_.size()) > kMaxLines) {
        lines_.resize(kMaxLines);
    }
    const OrbColor grey = GvResources::makeColour(0.7f, 0.7f, 0.7f, 1.0f);
    float y = 0.0f;
    for (const std::string& line : lines_) {
        addText(line, -kWrapWidth / 2.0f, y, 4.0f, OrbFont::kAlignLeftBottom, grey);
        y -= 4.0f;
    }
    const int done =
        addButton("DONE", {-20.0f, y - 7.0f, 40.0f, 7.0f}, [this] { view_.backScreen(); });
    finishPanel(done);
}

void GvErrorBox::onEscape() {
    view_.backScreen();
}
