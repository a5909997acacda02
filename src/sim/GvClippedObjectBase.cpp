#include "sim/GvClippedObjectBase.h"

#include <algorithm>

void GvClippedObjectBase::tick(GvWorld&, int, int, GvInputBits, bool) {
    finishClip();
}

void GvClippedObjectBase::finishReveal() {
    if (revealing) {
        stopClip();
    } else if (hiding) {
        hiding = false;
        startClip(0.0f, 1.0f, 0.0f, 1.0f);
    }
}

void GvClippedObjectBase::animate(GvWorld& world, float tickDelta, float seconds) {
    GvVisibleObjectBase::animate(world, tickDelta, seconds);
    if (revealing) {
        float& margin = clip_dx > 0   ? clip_right
                        : clip_dx < 0 ? clip_left
                        : clip_dy > 0 ? clip_bottom
                                      : clip_top;
        margin = std::max(0.0f, margin - tickDelta);
    } else if (hiding) {
        // The margin on the side the mover comes from grows across the cell.
        float& margin = clip_dx > 0   ? clip_left
                        : clip_dx < 0 ? clip_right
                        : clip_dy > 0 ? clip_top
                                      : clip_bottom;
        margin = std::clamp(margin + tickDelta, 0.0f, 1.0f);
    }
    animating = animating || revealing || hiding;
}

bool GvClippedObjectBase::isClipped() const {
    return clip_on;
}

float GvClippedObjectBase::clipLeft() const {
    return clip_left;
}

float GvClippedObjectBase::clipRight() const {
    return clip_right;
}

float GvClippedObjectBase::clipBottom() const {
    return clip_bottom;
}

float GvClippedObjectBase::clipTop() const {
    return clip_top;
}

void GvClippedObjectBase::startClip(float left, float right, float bottom, float top) {
    clip_on = true;
    clip_left = left;
    clip_right = right;
    clip_bottom = bottom;
    clip_top = top;
}

void GvClippedObjectBase::stopClip() {
    clip_left = clip_right = clip_bottom = clip_top = 0.0f;
    clip_on = false;
    revealing = false;
    hiding = false;
}

void GvClippedObjectBase::growFrom(int dx, int dy) {
    animating = true;
    revealing = true;
    hiding = false;
    clip_dx = dx;
    clip_dy = dy;
    float left = 0.0f, right = 0.0f, bottom = 0.0f, top = 0.0f;
    if (dx > 0) {
        right = 1.0f;
    } else if (dx < 0) {
        left = 1.0f;
    } else if (dy <= 0) {
        top = 1.0f;
    } else {
        bottom = 1.0f;
    }
    startClip(left, right, bottom, top);
}

void GvClippedObjectBase::shrinkToward(int dx, int dy) {
    clip_dx = dx;
    clip_dy = dy;
    hiding = true;
    revealing = false;
    animating = true;
    startClip(0.0f, 0.0f, 0.0f, 0.0f);
}
