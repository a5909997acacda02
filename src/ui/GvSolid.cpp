#include "ui/GvSolid.h"

#include "graphics/OrbTexture.h"

#include <algorithm>

GvSolid::GvSolid(OrbControl* parent, const GvUiResources* resources, std::vector<OrbPoint> points,
                 const OrbColor& colour)
    : OrbControl(parent), resources_(resources), points_(std::move(points)), colour_(colour) {
    setFocusOnClick(false);
}

OrbRect GvSolid::bounds() const {
    if (points_.empty()) {
        return OrbRect{};
    }
    float left = points_.front().x;
    float right = left;
    float bottom = points_.front().y;
    float top = bottom;
    for (const OrbPoint& p : points_) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    return OrbRect{left, bottom, right - left, top - bottom};
}

void GvSolid::moveBy(OrbPoint offset) {
    for (OrbPoint& p : points_) {
        p.x += offset.x;
        p.y += offset.y;
    }
}

void GvSolid::draw(const OrbColor& tint) {
    OrbTexture* texture = resources_ != nullptr ? resources_->solid : nullptr;
    const OrbColor colour = tinted(colour_, tint);
    if (texture == nullptr || points_.size() < 3 || colour.a <= 0.0f) {
        return;
    }
    // Each triangle of the fan is a quad whose last corner repeats, so the whole
    // polygon goes out in one batch.
    const OrbPoint centre{0.5f, 0.5f};
    for (std::size_t i = 1; i + 1 < points_.size(); ++i) {
        texture->addQuad({points_[0], points_[i], points_[i + 1], points_[i + 1]},
                         {centre, centre, centre, centre}, colour);
    }
    texture->flush();
}
