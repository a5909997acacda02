#pragma once

#include "sim/GvClippedObjectBase.h"

// Amoeba: spreads at random into space and dirt; converts when enclosed or too large.
class GvAmoebaObject : public GvClippedObjectBase {
public:
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;
};
