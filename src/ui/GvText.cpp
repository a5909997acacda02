#include "ui/GvText.h"

GvText::GvText(OrbControl* parent, const GvUiResources* resources, std::string text,
               OrbPoint anchor, float size, const OrbColor& colour, int alignment)
    : OrbTextControl(parent, resources != nullptr ? resources->font : nullptr, std::move(text),
                     anchor, size, colour, alignment, GvUiResources::kFontFlags) {}

void GvText::draw(const OrbColor& tint) {
    if (isEnabled()) {
        OrbTextControl::draw(tint);
    }
}
