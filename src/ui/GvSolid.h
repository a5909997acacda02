#pragma once

#include "ui/GvUiResources.h"
#include "ui/OrbControl.h"

#include <vector>

// A filled convex polygon in one colour, drawn as a fan around its first point;
// panel frames are made of these.
class GvSolid : public OrbControl {
public:
    GvSolid(OrbControl* parent, const GvUiResources* resources, std::vector<OrbPoint> points,
            const OrbColor& colour);

    // The box around the points (empty at the origin without points).
    OrbRect bounds() const override;
    void moveBy(OrbPoint offset) override;
    void draw(const OrbColor& tint) override;

    const std::vector<OrbPoint>& points() const { return points_; }
    void setColour(const OrbColor& colour) { colour_ = colour; }
    const OrbColor& colour() const { return colour_; }

private:
    const GvUiResources* resources_;
    std::vector<OrbPoint> points_;
    OrbColor colour_;
};
