#include "ui/GvSmallDialogPushButton.h"

#include "graphics/OrbFont.h"

GvSmallDialogPushButton::GvSmallDialogPushButton(OrbControl* parent, const GvUiResources* resources,
                                                 OrbPoint anchor, int alignment, std::string text,
                                                 std::unique_ptr<OrbCallback> callback)
    : GvPushButton(parent, resources,
                   placeRect(anchor, widthFor(resources, text), kHeight, alignment), text,
                   std::move(callback)) {}

float GvSmallDialogPushButton::widthFor(const GvUiResources* resources, const std::string& text) {
    const float label =
        resources != nullptr && resources->font != nullptr
            ? resources->font->textWidth(text, kTextSize, GvUiResources::kFontFlags, 1.0f, true)
            : 0.0f;
    return label + kPadding;
}
