#include "game/panels/GvLevelCompleteMenu.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvMenuRows.h"
#include "graphics/OrbFont.h"
#include "ui/GvText.h"
#include "ui/GvUiColours.h"
#include "ui/OrbObjectCallback.h"

namespace {

constexpr float kNoticeSize = 4.0f;
constexpr char kStar = 17;

} // namespace

GvLevelCompleteMenu::GvLevelCompleteMenu(GvView& view, bool newRecord)
    : GvPanel(nullptr, &view.resources().ui()), newRecord_(newRecord) {
    if (newRecord) {
        const OrbColor yellow = GvUiColours::make(1.0f, 1.0f, 0.0f);
        const std::string text = "New High Score";
        const float half = textWidth(text, kNoticeSize) / 2.0f;
        const float gap = 1.5f * textWidth(" ", kNoticeSize);
        const float y = 5.0f;
        const int middle = OrbFont::kAlignMiddle;
        addChild(std::make_unique<GvText>(this, resources(), text, OrbPoint{0.0f, y}, kNoticeSize,
                                          yellow, OrbFont::kAlignCentre | middle));
        addChild(std::make_unique<GvText>(this, resources(), std::string(1, kStar),
                                          OrbPoint{-half - gap, y}, kNoticeSize, yellow,
                                          OrbFont::kAlignRight | middle));
        addChild(std::make_unique<GvText>(this, resources(), std::string(1, kStar),
                                          OrbPoint{half + gap, y}, kNoticeSize, yellow,
                                          OrbFont::kAlignLeft | middle));
    }
    GvMenuRows rows(*this);
    rows.add("CONTINUE", objectCallback(&view, &GvView::continueToNextLevel))
        ->setDefaultFocus(true);
    rows.add("ABORT", objectCallback(&view, &GvView::returnToMenu));
    finishPanel("Completed!");
}
