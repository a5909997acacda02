#pragma once

#include "ui/GvUiResources.h"
#include "ui/OrbButtonControl.h"

#include <string>

// A button that is only its text, centred in its rectangle; the colour shows its
// state, and subclasses choose the colours.
class GvTextButton : public OrbButtonControl {
public:
    GvTextButton(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                 std::string text, float textSize, std::unique_ptr<OrbCallback> callback,
                 bool focusOnClick = true, bool autoRepeat = false);

    void draw(const OrbColor& tint) override;
    virtual OrbColor textColour() const = 0;

    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    float textSize() const { return textSize_; }
    const GvUiResources* resources() const { return resources_; }

    // A rectangle just large enough for a text at a size, placed at an anchor with
    // the font's alignment flags.
    static OrbRect textRect(const GvUiResources* resources, const std::string& text, float textSize,
                            OrbPoint anchor, int alignment);

private:
    const GvUiResources* resources_;
    std::string text_;
    float textSize_;
};
