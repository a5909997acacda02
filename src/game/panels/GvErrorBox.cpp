#include "game/panels/GvErrorBox.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "graphics/OrbFont.h"
#include "ui/GvDialogPushButton.h"
#include "ui/GvText.h"
#include "ui/GvUiColours.h"
#include "ui/OrbObjectCallback.h"

#include <algorithm>

GvErrorBox::GvErrorBox(GvView& view, const std::string& message)
    : GvPanel(nullptr, &view.resources().ui()), view_(view) {
    std::vector<std::string> wrapped;
    if (resources()->font != nullptr) {
        resources()->font->wrapLines(OrbFont::filterText(message, true), wrapped, kWrapWidth,
                                     kTextSize, GvUiResources::kFontFlags, 1.0f);
    }
    // A word too long for a line (a path, say) is cut where the line is full, so
    // that the box never grows wider than its wrapping width.
    for (const std::string& line : wrapped) {
        std::string rest = line;
        while (textWidth(rest, kTextSize) > kWrapWidth && rest.size() > 1) {
            std::size_t cut = 1;
            while (cut + 1 < rest.size() &&
                   textWidth(rest.substr(0, cut + 1), kTextSize) <= kWrapWidth) {
                ++cut;
            }
            lines_.push_back(rest.substr(0, cut));
            rest = rest.substr(cut);
        }
        lines_.push_back(rest);
    }
    if (static_cast<int>(lines_.size()) > kMaxLines) {
        lines_.resize(kMaxLines);
    }
    const OrbColor grey = GvUiColours::make(0.7f, 0.7f, 0.7f);
    float y = 0.0f;
    float widest = 0.0f;
    for (const std::string& line : lines_) {
        widest = std::max(widest, textWidth(line, kTextSize));
        addChild(std::make_unique<GvText>(this, resources(), line, OrbPoint{-kWrapWidth / 2.0f, y},
                                          kTextSize, grey, OrbFont::kAlignLeftBottom));
        y -= kTextSize;
    }
    addChild(std::make_unique<GvDialogPushButton>(
                 this, resources(),
                 OrbRect{(widest - kWrapWidth) / 2.0f - 20.0f, y - 7.0f, 40.0f, 7.0f}, "DONE",
                 objectCallback(&view, &GvView::backScreen)))
        ->setDefaultFocus(true);
    finishPanel("Error");
}

void GvErrorBox::onEscape() {
    view_.backScreen();
}
