#pragma once

#include "ui/GvSpinner.h"

// A spinner of whole numbers shown with an offset (a 0-based variant shown from 1).
class GvIntSpinner : public GvSpinner<int> {
public:
    GvIntSpinner(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                 float buttonWidth, int value, int minimum, int maximum, int displayOffset,
                 std::unique_ptr<OrbCallback> changeCallback);

    std::string valueText() const override;
    int displayOffset() const { return displayOffset_; }

private:
    int displayOffset_;
};
