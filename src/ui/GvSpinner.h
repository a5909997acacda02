#pragma once

#include "graphics/OrbFont.h"
#include "ui/GvPushButton.h"
#include "ui/GvUiColours.h"
#include "ui/GvUiResources.h"
#include "ui/OrbSpinControl.h"

#include <string>

// A spin control in the game's look: each arrow is a push-button frame with an
// arrow glyph, and the value's text sits between them. Subclasses say what the
// value looks like.
template <typename T> class GvSpinner : public OrbSpinControl<T> {
public:
    // The font's left and right arrow glyphs.
    static constexpr char kLeftArrow = 21;
    static constexpr char kRightArrow = 22;

    GvSpinner(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
              float buttonWidth, T value, T minimum, T maximum,
              std::unique_ptr<OrbCallback> changeCallback)
        : OrbSpinControl<T>(parent, rect, buttonWidth, value, minimum, maximum,
                            std::move(changeCallback)),
          resources_(resources) {}

    void draw(const OrbColor& tint) override {
        const OrbColor drawTint =
            this->isEnabled() ? tint
                              : OrbControl::tinted(tint, GvUiColours::get().pushDisabledTint);
        if (drawTint.a <= 0.0f) {
            return;
        }
        drawArrow(*this->decrementButton(), decrementLabel(), drawTint);
        drawArrow(*this->incrementButton(), incrementLabel(), drawTint);
        drawValue(drawTint);
    }

    // The value as shown between the arrows.
    virtual std::string valueText() const { return std::string(); }

    const GvUiResources* resources() const { return resources_; }

    // Colour of the value text for the spinner's state.
    OrbColor valueColour() const {
        const GvUiColours& colours = GvUiColours::get();
        if (this->isFocused()) {
            return colours.focusedText;
        }
        return isHot() ? colours.spinValueHighlighted : colours.spinValueNormal;
    }

protected:
    virtual std::string decrementLabel() const { return std::string(1, kLeftArrow); }
    virtual std::string incrementLabel() const { return std::string(1, kRightArrow); }

    // The spinner counts as pointed at when any part of it is.
    bool isHot() const {
        return this->isHighlighted() || this->decrementButton()->isHighlighted() ||
               this->incrementButton()->isHighlighted();
    }

    void drawValue(const OrbColor& tint) {
        const std::string text = valueText();
        if (resources_ == nullptr || resources_->font == nullptr || text.empty()) {
            return;
        }
        const OrbRect r = this->bounds();
        resources_->font->drawTextNow(OrbPoint{r.x + r.width / 2.0f, r.y + r.height / 2.0f}, text,
                                      r.height, OrbControl::tinted(valueColour(), tint),
                                      GvUiResources::kFontFlags,
                                      OrbFont::kAlignCentre | OrbFont::kAlignMiddle);
    }

private:
    void drawArrow(const OrbButtonControl& button, const std::string& label, const OrbColor& tint) {
        const GvUiColours& colours = GvUiColours::get();
        const OrbColor labelColour = button.isPressed()       ? colours.pushPressed
                                     : button.isHighlighted() ? colours.pushHighlighted
                                                              : colours.pushNormal;
        const OrbRect r = button.bounds();
        GvPushButton::drawFrame(resources_, r, button.isPressed(), tint);
        GvPushButton::drawLabel(resources_, r, label, OrbControl::tinted(labelColour, tint));
    }

    const GvUiResources* resources_;
};
