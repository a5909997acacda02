#pragma once

#include "graphics/OrbColor.h"

#include <vector>

// The few pieces of fixed-function GL state that the game sets outside textures
// and projections, so that the layers above draw without calling GL themselves.
// Every operation needs a current context.
class OrbGlState {
public:
    // Textured, smoothly shaded, alpha-blended drawing with an identity model view.
    static void setUpDrawing();
    // Fills the whole drawing surface (or the bound render target) with a colour.
    static void clear(const OrbColor& colour);
    // Model-view matrix = scale (sx, sy, 1); a projection's canvas then counts in
    // units sx times smaller.
    static void setModelScale(float sx, float sy);
    // Model-view matrix = translate (dx, dy) after a uniform scale about the origin:
    // panels slide and zoom this way without knowing it.
    static void setModelTransform(float dx, float dy, float scale);
    // The RGBA pixels of a rectangle of the drawing surface, bottom row first.
    static std::vector<unsigned char> readPixels(int x, int y, int width, int height);
    // Waits until GL has drawn everything asked so far.
    static void finish();
    // The largest texture side the context supports (0 without a context).
    static int maxTextureSize();
};
