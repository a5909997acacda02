#pragma once

#include "ui/GvPushButton.h"

// A push button of a menu's stacked rows (RESUME, ABORT and the like).
class GvOptionPushButton : public GvPushButton {
public:
    GvOptionPushButton(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                       std::string text, std::unique_ptr<OrbCallback> callback)
        : GvPushButton(parent, resources, rect, std::move(text), std::move(callback)) {}
};
