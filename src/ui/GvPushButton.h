#pragma once

#include "ui/GvUiResources.h"
#include "ui/OrbButtonControl.h"

#include <string>

// A framed button: a pill drawn from a left cap, a stretched middle and a right
// cap, with its label centred. A disabled button is drawn faded through its
// disabled tint, or not at all when that tint is fully transparent.
class GvPushButton : public OrbButtonControl {
public:
    // The label's size as a share of the button's height.
    static constexpr float kLabelScale = 0.7f;

    GvPushButton(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                 std::string text, std::unique_ptr<OrbCallback> callback, bool focusOnClick = true,
                 bool autoRepeat = false);

    void draw(const OrbColor& tint) override;
    virtual OrbColor textColour() const;
    virtual OrbColor disabledTint() const;

    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    const GvUiResources* resources() const { return resources_; }

    // The tint the whole button is drawn with; alpha 0 means not drawn.
    OrbColor effectiveTint(const OrbColor& tint) const;

    // The frame of a push button (the pressed picture while pressed) and a label
    // centred on it; spinners draw their arrows with these too.
    static void drawFrame(const GvUiResources* resources, const OrbRect& rect, bool pressed,
                          const OrbColor& colour);
    static void drawLabel(const GvUiResources* resources, const OrbRect& rect,
                          const std::string& text, const OrbColor& colour);

private:
    const GvUiResources* resources_;
    std::string text_;
};
