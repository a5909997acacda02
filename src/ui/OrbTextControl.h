#pragma once

#include "ui/OrbControl.h"

#include <optional>
#include <string>

class OrbFont;

// A line of text placed at an anchor with the font's alignment flags. It measures
// itself once per text so that layout code can ask for its bounds cheaply.
class OrbTextControl : public OrbControl {
public:
    OrbTextControl(OrbControl* parent, OrbFont* font, std::string text, OrbPoint anchor, float size,
                   const OrbColor& colour, int alignment, int fontFlags = 0,
                   float fontScale = 1.0f);

    OrbRect bounds() const override;
    void moveBy(OrbPoint offset) override;
    void draw(const OrbColor& tint) override;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    OrbPoint anchor() const { return anchor_; }
    void setAnchor(OrbPoint anchor);
    float size() const { return size_; }
    const OrbColor& colour() const { return colour_; }
    void setColour(const OrbColor& colour) { colour_ = colour; }
    int alignment() const { return alignment_; }
    OrbFont* font() const { return font_; }

protected:
    // The box a text would cover at this control's anchor, size and flags.
    OrbRect measure(const std::string& text) const;
    void drawString(const std::string& text, const OrbColor& colour);

private:
    OrbFont* font_;
    std::string text_;
    OrbPoint anchor_;
    float size_;
    OrbColor colour_;
    int alignment_;
    int fontFlags_;
    float fontScale_;
    mutable std::optional<OrbRect> cachedBounds_;
};
