#pragma once

#include "sim/GvObject.h"

// An empty cell.
class GvSpaceObject : public GvObject {
public:
    GvSpaceObject() { animating = false; }
    void setStyle(int style) override;
    int style() const override;
    GvObjectKind kind() const override;
    bool isDiggable() const override;
    bool isCollectable() const override;
    bool isPushable() const override;
    bool isRounded() const override;
    bool isGravityObject() const override;
    int hitResponse() const override;
    int blastResponse() const override;
};
