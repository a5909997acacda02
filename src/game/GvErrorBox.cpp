#include "game/GvErrorBox.h"

#include "game/GvResources.h"
#include "game/GvView.h"
#include "graphics/OrbFont.h"

GvErrorBox::GvErrorBox(GvView& view, const std::string& message) : GvMenuPanel(view, "Error") {
    font_->wrapLines(OrbFont::filterText(message, true), lines_, kWrapWidth, 4.0f,
                     OrbFont::kSmallCaps, 1.0f);
    // A word too long for a line (a path, say) is cut where the line is full, so
    // that the box never grows wider than its wrapping width.
    std::vector<std::string> fitted;
    for (const std::string& line : lines_) {
        std::string rest = line;
        while (textWidth(rest, 4.0f) > kWrapWidth && rest.size() > 1) {
            std::size_t cut = 1;
            while (cut + 1 < rest.size() &&
                   textWidth(rest.substr(0, cut + 1), 4.0f) <= kWrapWidth) {
                ++cut;
            }
            fitted.push_back(rest.substr(0, cut));
            rest = rest.substr(cut);
        }
        fitted.push_back(rest);
    }
    lines_ = std::move(fitted);
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
