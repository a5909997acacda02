#pragma once

#include "sim/GvObject.h"

// An object that is drawn: it has a style from the cave and can fade and scale
// towards a target over a number of ticks.
class GvVisibleObjectBase : public GvObject {
public:
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    void setStyle(int style) override;
    int style() const override;
    void fadeTo(float target, float ticks) override;
    float opacity() const override;
    void scaleTo(float target, float ticks) override;
    float scale() const override;

    int style_value = 0;
    float opacity_value = 1.0f;
    float opacity_target = 1.0f;
    float opacity_rate = 0.0f;
    float scale_value = 1.0f;
    float scale_target = 1.0f;
    float scale_rate = 0.0f;

protected:
    // Moves `value` towards `target` by |rate| x ticks, stopping exactly on it.
    static void approach(float& value, float target, float rate, float ticks);
};
