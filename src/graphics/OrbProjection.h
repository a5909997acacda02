#pragma once

#include "graphics/OrbPoint.h"
#include "graphics/OrbRect.h"

class OrbFont;

// Numbers of the projections the game draws in.
enum OrbProjectionNumber : int {
    OrbProjectionMenu = 0,
    OrbProjectionStatusLine = 1,
    OrbProjectionGameBelowStatus = 2,
    OrbProjectionGameFull = 3,
    OrbProjectionCount = 4
};

// Maps a part of the window (a viewport in drawable pixels, origin bottom-left) onto
// a canvas measured in resolution-independent units with y pointing up, so that
// nothing the game draws depends on the window's pixel size.
class OrbProjection {
public:
    OrbProjection() = default;
    OrbProjection(int viewportX, int viewportY, int viewportWidth, int viewportHeight,
                  OrbRect canvas);

    // Projection `number` for a client area of width x height pixels with a status
    // line `statusHeight` pixels tall. Sizes below 1 count as 1.
    static OrbProjection make(int number, int width, int height, int statusHeight);

    // The status line is as tall as possible while the sample line (of the width
    // `sampleWidth` in line heights) still fits across, but never more than a tenth
    // of the window; at least 1 pixel.
    static int statusLineHeight(int width, int height, float sampleWidth);
    // The width of the status line's widest sample, in line heights, with this font.
    static float statusSampleWidth(const OrbFont& font);

    // Converts a window position (pixels from the top-left corner of a client area
    // `clientHeight` pixels tall) to canvas units.
    OrbPoint toCanvas(int x, int y, int clientHeight) const;

    // Sets the GL viewport and an orthographic projection of the canvas (depth 0..1).
    void apply() const;

    int viewportX() const { return viewportX_; }
    int viewportY() const { return viewportY_; }
    int viewportWidth() const { return viewportWidth_; }
    int viewportHeight() const { return viewportHeight_; }
    const OrbRect& canvas() const { return canvas_; }

private:
    int viewportX_ = 0;
    int viewportY_ = 0;
    int viewportWidth_ = 1;
    int viewportHeight_ = 1;
    OrbRect canvas_{-0.5f, -0.5f, 1.0f, 1.0f};
};
