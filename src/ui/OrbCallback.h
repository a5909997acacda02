#pragma once

#include "platform/OrbUncopyable.h"

// An action handed to a control; the control owns it and invokes it when the user
// acts, so controls need not know the class that reacts.
class OrbCallback : public OrbUncopyable {
public:
    virtual ~OrbCallback() = default;
    virtual void invoke() = 0;
};
