#pragma once

#include "sim/GvVisibleObjectBase.h"

// A visible object that can be partly hidden from its sides, so that a piece of
// amoeba or growing wall is revealed from the side it grew from and dug dirt is
// hidden towards the digger.
class GvClippedObjectBase : public GvVisibleObjectBase {
public:
    // Finishes the reveal or hide started in the previous tick.
    void tick(GvWorld& world, int col, int row, GvInputBits input, bool detached) override;
    void animate(GvWorld& world, float tickDelta, float seconds) override;
    bool isClipped() const override;
    float clipLeft() const override;
    float clipRight() const override;
    float clipBottom() const override;
    float clipTop() const override;
    void startClip(float left, float right, float bottom, float top) override;
    void stopClip() override;
    void growFrom(int dx, int dy) override;
    void shrinkToward(int dx, int dy) override;

    bool clip_on = false;
    float clip_left = 0.0f;
    float clip_right = 0.0f;
    float clip_bottom = 0.0f;
    float clip_top = 0.0f;
    bool revealing = false;
    bool hiding = false;
    int clip_dx = 0;
    int clip_dy = 0;

    // True while a reveal or hide waits to be finished by the next tick; without
    // one the base tick has nothing to do.
    bool hasClipToFinish() const { return revealing || hiding; }

protected:
    // The bookkeeping every clipped object does first in its tick (inline: most
    // clipped objects have nothing to finish).
    void finishClip() {
        if (hasClipToFinish()) {
            finishReveal();
        }
    }

private:
    void finishReveal();
};
