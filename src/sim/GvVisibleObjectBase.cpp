#include "sim/GvVisibleObjectBase.h"

#include <cmath>

void GvVisibleObjectBase::animate(GvWorld&, float tickDelta, float) {
    approach(opacity_value, opacity_target, opacity_rate, tickDelta);
    approach(scale_value, scale_target, scale_rate, tickDelta);
    animating = opacity_value != opacity_target || scale_value != scale_target;
}

void GvVisibleObjectBase::setStyle(int style) {
    style_value = style;
}

int GvVisibleObjectBase::style() const {
    return style_value;
}

void GvVisibleObjectBase::fadeTo(float target, float ticks) {
    if (ticks != 0.0f) {
        opacity_rate = (target - opacity_value) / ticks;
        opacity_target = target;
        animating = true;
    } else {
        opacity_value = target;
        opacity_target = target;
        opacity_rate = 0.0f;
    }
}

float GvVisibleObjectBase::opacity() const {
    return opacity_value;
}

void GvVisibleObjectBase::scaleTo(float target, float ticks) {
    if (ticks != 0.0f) {
        scale_rate = (target - scale_value) / ticks;
        scale_target = target;
        animating = true;
    } else {
        scale_value = target;
        scale_target = target;
        scale_rate = 0.0f;
    }
}

float GvVisibleObjectBase::scale() const {
    return scale_value;
}

void GvVisibleObjectBase::approach(float& value, float target, float rate, float ticks) {
    if (value == target || ticks <= 0.0f) {
        return;
    }
    const float step = std::fabs(rate) * ticks;
    if (value < target) {
        value = (value + step >= target) ? target : value + step;
    } else {
        value = (value - step <= target) ? target : value - step;
    }
}
