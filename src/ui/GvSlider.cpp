#include "ui/GvSlider.h"

#include "graphics/OrbTexture.h"
#include "ui/OrbObjectCallback.h"

GvSlider::GvSlider(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                   std::unique_ptr<OrbValueCallback<float>> getter,
                   std::unique_ptr<OrbSetValueCallback<float>> setter,
                   std::unique_ptr<OrbCallback> stepDown, std::unique_ptr<OrbCallback> stepUp)
    : GvSpinner<float>(parent, resources, rect, rect.height, 0.0f, 0.0f, 1.0f, nullptr),
      getter_(std::move(getter)), setter_(std::move(setter)), stepDown_(std::move(stepDown)),
      stepUp_(std::move(stepUp)) {
    const float inset = 1.5f * rect.height;
    track_ = addChild(std::make_unique<OrbSliderControl>(
        this,
        OrbRect{rect.x + inset, rect.y, std::max(rect.width - 2.0f * inset, 0.0f), rect.height},
        getter_.get(), setter_.get()));
    track_->setFocusOnClick(false);
    track_->setCallback(std::make_unique<OrbObjectCallback<GvSlider>>(this, &GvSlider::takeFocus));
}

void GvSlider::decrement() {
    if (stepDown_) {
        stepDown_->invoke();
    }
}

void GvSlider::increment() {
    if (stepUp_) {
        stepUp_->invoke();
    }
}

OrbColor GvSlider::fillColour() const {
    const GvUiColours& colours = GvUiColours::get();
    if (track_->isDragging()) {
        return colours.sliderFillDragging;
    }
    return isFocused() ? colours.focusedText : colours.sliderFillNormal;
}

void GvSlider::draw(const OrbColor& tint) {
    GvSpinner<float>::draw(tint);
    const OrbColor drawTint =
        isEnabled() ? tint : tinted(tint, GvUiColours::get().pushDisabledTint);
    OrbTexture* texture = resources() != nullptr ? resources()->ramp : nullptr;
    if (texture == nullptr || drawTint.a <= 0.0f) {
        return;
    }
    const OrbRect r = track_->bounds();
    texture->addQuad(r, OrbRect{0.0f, 0.0f, 1.0f, 1.0f},
                     tinted(GvUiColours::get().sliderTrack, drawTint));
    const float value = track_->displayedValue();
    if (value > 0.0f) {
        texture->addQuad(OrbRect{r.x, r.y, r.width * value, r.height},
                         OrbRect{0.0f, 0.0f, value, 1.0f}, tinted(fillColour(), drawTint));
    }
    texture->flush();
}
