#pragma once

#include "ui/GvSpinner.h"
#include "ui/OrbSliderControl.h"

// The volume control: "-" and "+" buttons that ask the owner to step the value,
// and between them a track that shows the value and sets it when dragged.
class GvSlider : public GvSpinner<float> {
public:
    GvSlider(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
             std::unique_ptr<OrbValueCallback<float>> getter,
             std::unique_ptr<OrbSetValueCallback<float>> setter,
             std::unique_ptr<OrbCallback> stepDown, std::unique_ptr<OrbCallback> stepUp);

    void decrement() override;
    void increment() override;
    void draw(const OrbColor& tint) override;

    OrbSliderControl* track() const { return track_; }
    // Colour of the filled part for the current state.
    OrbColor fillColour() const;

protected:
    std::string decrementLabel() const override { return "-"; }
    std::string incrementLabel() const override { return "+"; }

private:
    // Pressing the track focuses the whole slider.
    void takeFocus() { setFocused(true); }

    std::unique_ptr<OrbValueCallback<float>> getter_;
    std::unique_ptr<OrbSetValueCallback<float>> setter_;
    std::unique_ptr<OrbCallback> stepDown_;
    std::unique_ptr<OrbCallback> stepUp_;
    OrbSliderControl* track_ = nullptr;
};
