#pragma once

#include "ui/GvPushButton.h"

// A narrow push button sized to its label (replay and pack buttons beside a
// line of text). A disabled one is hidden instead of faded.
class GvSmallDialogPushButton : public GvPushButton {
public:
    static constexpr float kHeight = 5.0f;
    static constexpr float kTextSize = 3.5f;
    static constexpr float kPadding = 5.0f;

    // Placed at an anchor with the font's alignment flags.
    GvSmallDialogPushButton(OrbControl* parent, const GvUiResources* resources, OrbPoint anchor,
                            int alignment, std::string text, std::unique_ptr<OrbCallback> callback);

    OrbColor disabledTint() const override { return OrbColor{0.0f, 0.0f, 0.0f, 0.0f}; }

    static float widthFor(const GvUiResources* resources, const std::string& text);
};
