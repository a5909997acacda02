#pragma once

#include "platform/GvInputRecording.h"
#include "sim/GvObjectKind.h"

class GvWorld;
class GvGamePlayRandomStream;

// One occupant of a cave cell. The rules of the cave ask objects what they are
// (kind and property queries) and let them act once per tick; the renderer reads
// their looks through the same interface, so every operation has a neutral answer
// here and the base classes below fill in what their data allows.
class GvObject {
public:
    virtual ~GvObject() = default;

    // Acts for one game tick at (col, row). A detached object (one in a vanish
    // list or inside an explosion) only keeps its looks up to date.
    virtual void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached);
    // Moves looks on by `tickDelta` ticks (`seconds` of real time) between ticks.
    virtual void animate(GvWorld& world, float tickDelta, float seconds);
    virtual void ignite(GvWorld& world);
    // Moves the object one step and makes it slide from its old cell.
    virtual void moveBy(GvWorld& world, int col, int row, int dx, int dy);
    virtual GvObjectKind kind() const = 0;
    virtual void setStyle(int style) = 0;
    virtual int style() const = 0;
    virtual bool isDiggable() const = 0;
    virtual bool isCollectable() const = 0;
    virtual bool isPushable() const = 0;
    // Things resting on a rounded object roll off it.
    virtual bool isRounded() const = 0;
    virtual bool isGravityObject() const = 0;
    // What a falling object landing on this one does: 0 nothing, 1 ignite,
    // 2 explode leaving space, 3 explode leaving diamonds.
    virtual int hitResponse() const = 0;
    // What an explosion does to it: 0 survives, 1 is ignited, 2 is destroyed.
    virtual int blastResponse() const = 0;
    virtual void fadeTo(float target, float ticks);
    virtual float opacity() const;
    virtual void scaleTo(float target, float ticks);
    virtual float scale() const;
    virtual bool isClipped() const;
    virtual float clipLeft() const;
    virtual float clipRight() const;
    virtual float clipBottom() const;
    virtual float clipTop() const;
    virtual void startClip(float left, float right, float bottom, float top);
    virtual void stopClip();
    virtual void growFrom(int dx, int dy);
    virtual void shrinkToward(int dx, int dy);
    virtual bool isShifted() const;
    virtual void setShiftX(float offset, float rate);
    virtual float shiftX() const;
    virtual void setShiftY(float offset, float rate);
    virtual float shiftY() const;
    virtual void setAngle(float degrees);
    virtual float angle() const;
    virtual void setSpin(float delta, float target);
    virtual void applySpin();
    virtual void setFalling(bool falling);
    virtual bool isFalling() const;
    virtual void randomizeLook(GvGamePlayRandomStream& cosmeticRandom);

    // False while `animate` would change nothing, so that the world can pass the
    // object by between ticks. Each `animate` recomputes it from what is still in
    // motion; whatever sets something in motion sets it again.
    bool animating = true;
};
