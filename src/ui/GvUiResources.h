#pragma once

#include "graphics/OrbFont.h"

class OrbTexture;

// The pictures the game's controls draw with, borrowed from whoever owns them (the
// game's resources fill this in). Any of them may be null: the controls then skip
// that piece, which keeps them usable without a GL context.
struct GvUiResources {
    // The game's font has capitals only: lower-case letters are drawn as small
    // capitals, so every control measures and draws its text with this flag.
    static constexpr int kFontFlags = OrbFont::kSmallCaps;

    OrbFont* font = nullptr;
    // A pill-shaped button whose halves are the caps: normal and pressed.
    OrbTexture* button = nullptr;
    OrbTexture* buttonPressed = nullptr;
    // One white texel: filled shapes sample it.
    OrbTexture* solid = nullptr;
    // A quarter ring about its lower-left corner, for panel frames.
    OrbTexture* panelEdge = nullptr;
    // A shaded disc whose halves are the scroll-bar thumb's caps.
    OrbTexture* scroller = nullptr;
    // A rounded bar, the slider's track.
    OrbTexture* ramp = nullptr;
    // White with a soft border: the list background.
    OrbTexture* squareEdge = nullptr;
    OrbTexture* divider = nullptr;
};
