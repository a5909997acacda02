#pragma once

#include "ui/GvPushButton.h"

// A push button of a dialog's button row (OK, CANCEL and the like).
class GvDialogPushButton : public GvPushButton {
public:
    GvDialogPushButton(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                       std::string text, std::unique_ptr<OrbCallback> callback)
        : GvPushButton(parent, resources, rect, std::move(text), std::move(callback)) {}
};
