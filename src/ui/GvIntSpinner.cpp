#include "ui/GvIntSpinner.h"

GvIntSpinner::GvIntSpinner(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                           float buttonWidth, int value, int minimum, int maximum,
                           int displayOffset, std::unique_ptr<OrbCallback> changeCallback)
    : GvSpinner<int>(parent, resources, rect, buttonWidth, value, minimum, maximum,
                     std::move(changeCallback)),
      displayOffset_(displayOffset) {}

std::string GvIntSpinner::valueText() const {
    return std::to_string(static_cast<long long>(value()) + displayOffset_);
}
