#include "sim/GvObject.h"

#include "sim/GvWorld.h"

void GvObject::tick(GvWorld&, int, int, GvInputBits, bool) {}

void GvObject::animate(GvWorld&, float, float) {}

void GvObject::ignite(GvWorld&) {}

void GvObject::moveBy(GvWorld& world, int col, int row, int dx, int dy) {
    int toCol = col + dx;
    int toRow = row + dy;
    // Callers test the target first; a vanished neighbour leaves the object put.
    if (!world.wrapCoordinates(toCol, toRow)) {
        return;
    }
    world.moveObject(col, row, toCol, toRow);
    setShiftX(static_cast<float>(-dx), static_cast<float>(dx));
    setShiftY(static_cast<float>(-dy), static_cast<float>(dy));
}

void GvObject::fadeTo(float, float) {}

float GvObject::opacity() const {
    return 1.0f;
}

void GvObject::scaleTo(float, float) {}

float GvObject::scale() const {
    return 1.0f;
}

bool GvObject::isClipped() const {
    return false;
}

float GvObject::clipLeft() const {
    return 0.0f;
}

float GvObject::clipRight() const {
    return 0.0f;
}

float GvObject::clipBottom() const {
    return 0.0f;
}

float GvObject::clipTop() const {
    return 0.0f;
}

void GvObject::startClip(float, float, float, float) {}

void GvObject::stopClip() {}

void GvObject::growFrom(int, int) {}

void GvObject::shrinkToward(int, int) {}

bool GvObject::isShifted() const {
    return false;
}

void GvObject::setShiftX(float, float) {}

float GvObject::shiftX() const {
    return 0.0f;
}

void GvObject::setShiftY(float, float) {}

float GvObject::shiftY() const {
    return 0.0f;
}

void GvObject::setAngle(float) {}

float GvObject::angle() const {
    return 0.0f;
}

void GvObject::setSpin(float, float) {}

void GvObject::applySpin() {}

void GvObject::setFalling(bool) {}

bool GvObject::isFalling() const {
    return false;
}

void GvObject::randomizeLook(GvGamePlayRandomStream&) {}
