#include "game/panels/GvOptionsBox.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "graphics/OrbFont.h"
#include "graphics/OrbTexture.h"
#include "ui/GvDialogPushButton.h"
#include "ui/GvField.h"
#include "ui/GvLabel.h"
#include "ui/GvSlider.h"
#include "ui/GvSmallDialogPushButton.h"
#include "ui/OrbImageControl.h"
#include "ui/OrbObjectCallback.h"
#include "ui/OrbObjectSetValueCallback.h"
#include "ui/OrbObjectValueCallback.h"

#include <algorithm>

namespace {

constexpr float kRowHeight = GvLabel::kSize;
constexpr float kSliderWidth = 40.0f;
constexpr float kRowGap = 10.0f;
constexpr float kDividerHeight = 1.5f;

} // namespace

GvOptionsBox::GvOptionsBox(GvView& view) : GvPanel(nullptr, &view.resources().ui()), view_(view) {
    const float column = textWidth("Full Screen: ", GvLabel::kSize);
    addChild(std::make_unique<GvLabel>(this, resources(), "Volume: ", OrbPoint{0.0f, 0.0f},
                                       OrbFont::kAlignLeftBottom));
    slider_ = addChild(std::make_unique<GvSlider>(
        this, resources(), OrbRect{column, 0.0f, kSliderWidth, kRowHeight},
        std::make_unique<OrbObjectValueCallback<float, GvView>>(&view, &GvView::volume),
        std::make_unique<OrbObjectSetValueCallback<float, GvView>>(&view, &GvView::setVolume),
        objectCallback(&view, &GvView::volumeDown), objectCallback(&view, &GvView::volumeUp)));
    const float width = column + kSliderWidth;

    // A rule between the sound and the window settings.
    const float dividerY = -kRowGap / 2.0f + kRowHeight / 2.0f - kDividerHeight / 2.0f;
    OrbTexture* divider = resources()->divider;
    const float repeats =
        divider != nullptr && divider->height() > 0
            ? width / kDividerHeight * divider->height() / std::max(divider->width(), 1)
            : 1.0f;
    addChild(std::make_unique<OrbImageControl>(this, divider,
                                               OrbRect{0.0f, dividerY, width, kDividerHeight},
                                               OrbRect{0.0f, 0.0f, repeats, 1.0f}));

    const float y = -kRowGap;
    addChild(std::make_unique<GvLabel>(this, resources(), "Full Screen: ", OrbPoint{0.0f, y},
                                       OrbFont::kAlignLeftBottom));
    fullScreen_ = addChild(std::make_unique<GvField>(this, resources(), "Off", OrbPoint{column, y},
                                                     OrbFont::kAlignLeftBottom));
    // Right-aligned with the slider, the button keeps clear of the field's word.
    GvPushButton* toggle = addChild(std::make_unique<GvSmallDialogPushButton>(
        this, resources(), OrbPoint{width, y + kRowHeight / 2.0f},
        OrbFont::kAlignRight | OrbFont::kAlignMiddle, "Toggle",
        objectCallback(this, &GvOptionsBox::toggleFullScreen)));
    done_ = addChild(std::make_unique<GvDialogPushButton>(
        this, resources(), OrbRect{width / 2.0f - 20.0f, y - kRowGap - 2.0f, 40.0f, 7.0f}, "DONE",
        objectCallback(&view, &GvView::backScreen)));
    done_->setDefaultFocus(true);
    linkVertical(slider_, toggle);
    linkVertical(toggle, done_);
    finishPanel("Options");
    refresh();
}

void GvOptionsBox::refresh() {
    fullScreen_->setText(view_.isFullScreen() ? "On" : "Off");
}

void GvOptionsBox::toggleFullScreen() {
    // The controller saves the settings with the new state.
    view_.toggleFullScreen();
    refresh();
}

void GvOptionsBox::reset() {
    GvPanel::reset();
    refresh();
}

void GvOptionsBox::draw(const OrbColor& tint) {
    const std::string shown = view_.isFullScreen() ? "On" : "Off";
    if (fullScreen_->text() != shown) {
        fullScreen_->setText(shown);
    }
    GvPanel::draw(tint);
}

void GvOptionsBox::onReturn(int key) {
    done_->pressByKey(key);
}

void GvOptionsBox::onEscape() {
    view_.backScreen();
}
