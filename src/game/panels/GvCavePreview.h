#pragma once
#include "ui/GvUiResources.h"
#include "ui/OrbControl.h"

class OrbRenderToTexture;

// The start box's picture of the chosen level: the rendered preview, with a large
// "?" over the placeholder of a locked level, or "No Preview" / "Available" when
// nothing could be drawn.
class GvCavePreview : public OrbControl {
public:
    GvCavePreview(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect);

    OrbRect bounds() const override { return rect_; }
    void moveBy(OrbPoint offset) override;
    void draw(const OrbColor& tint) override;

    // The picture to show (borrowed; null for none) and whether it is a lock.
    void show(OrbRenderToTexture* picture, bool locked);

private:
    const GvUiResources* resources_;
    OrbRect rect_;
    OrbRenderToTexture* picture_ = nullptr;
    bool locked_ = false;
};
