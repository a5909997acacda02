#pragma once

#include "ui/OrbControl.h"
#include "ui/OrbSetValueCallback.h"
#include "ui/OrbValueCallback.h"

// A horizontal track for a value from 0 to 1. The value is read through a getter
// and stored through a setter only when a drag ends, so dragging is cheap and
// clearing the hover state cancels a drag without a change.
class OrbSliderControl : public OrbControl {
public:
    OrbSliderControl(OrbControl* parent, const OrbRect& rect, const OrbValueCallback<float>* getter,
                     OrbSetValueCallback<float>* setter);

    OrbRect bounds() const override { return rect_; }
    void moveBy(OrbPoint offset) override;
    void reset() override;
    bool isCapturing() const override { return dragging_; }
    void clearHighlight() override;
    bool keyEvent(int key, int action, int modifiers) override;
    bool mouseButton(int button, bool down, OrbPoint point, int modifiers) override;
    bool mouseMove(OrbPoint point, int modifiers) override;

    // The value shown: the drag value while dragging, else the stored one; 0..1.
    float displayedValue() const;
    bool isDragging() const { return dragging_; }
    void setRect(const OrbRect& rect) { rect_ = rect; }

private:
    float valueAt(float x) const;

    OrbRect rect_;
    const OrbValueCallback<float>* getter_;
    OrbSetValueCallback<float>* setter_;
    float dragValue_ = 0.0f;
    bool dragging_ = false;
};
