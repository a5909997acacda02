#pragma once

#include "platform/OrbEmbeddedData.h"

// The pixel layout of an embedded picture. Bytes per pixel: alpha 1,
// luminance-alpha 2, RGB 3, RGBA 4.
enum class GvArtFormat { Alpha, LuminanceAlpha, Rgb, Rgba };

// The single pictures the game carries. Font is the 1024 x 1280 alpha sheet of
// the 80 glyphs for codes 16..95, in 128 x 128 cells, eight per row, taken cell
// by cell along each row in storage order; each glyph is drawn from the left of
// its cell within its advance. WindowIcon is a 64 x 64 RGBA picture for the
// window manager.
enum class GvArtImage {
    Logo,
    Divider,
    PanelEdge,
    Ramp,
    Scroller,
    Sparkle,
    SquareEdge,
    VoodooDoll,
    Font,
    WindowIcon
};

// The animation sets; every frame of a set has the set's format and size.
enum class GvArtSet {
    Amoeba,
    Bomb,
    Boulder,
    BrickWall,
    Butterfly,
    Button,
    Diamond,
    Dirt,
    Explosion,
    Firefly,
    Player,
    Slime,
    SteelWall
};

// One embedded picture: its coded stream (see OrbPictureCodec; size is the
// exact decoded length, width x height x bytes per pixel) and how to read the
// decoded pixels.
struct GvArtPicture {
    OrbEmbeddedData data;
    GvArtFormat format;
    int width;
    int height;
};

// The frames of one set, in the order their indices are used.
struct GvArtFrames {
    const OrbEmbeddedData* frames;
    int count;
    GvArtFormat format;
    int width;
    int height;
};

// The game's own artwork, drawn by the art generator at build time and linked in
// as coded streams (library gravik_art): painted colours within four steps of
// the drawing (tiles three), partly clear alpha within two, clear and opaque
// alpha, lettering and menu pieces exact; a set's frames decode in order, each
// against the one before (OrbPictureCodec::decodeFrames). Pixel rows are stored
// bottom row first, the order in which OpenGL takes them, so texture coordinate (0, 0) is the
// picture's lower-left corner (the window icon too: flip it for APIs that
// want the top row first). image() and frames() throw std::out_of_range for a
// value outside the enumerations.
//
// Frame meanings the renderer relies on:
// - Boulder: frame k is the rock turned k x 18 degrees counter-clockwise, lit
//   from a fixed direction.
// - Bomb: frame r + 3p is pulse level p (0 dark .. 7 brightest glow) at rotation
//   step r; the body has eight-fold symmetry, so step r looks like r x 15 degrees.
// - Diamond: four facet-shimmer frames of an upright gem; the cycle loops.
// - Firefly: frame k heads k x 18 degrees counter-clockwise from straight up
//   (frame 5 faces left, frame 10 down); lit from above so mirrored frames match.
// - Butterfly: frame k of 16 is the wing beat at phase k / 16, wings open at 0.
// - Amoeba, Slime: 20-frame loops; Amoeba, Dirt and BrickWall pictures span
//   2 x 2 cells; every tile set repeats seamlessly.
// - Explosion: 24 frames from the first flash to the last smoke.
// - Button: 0 normal, 1 pressed; a pill whose left and right halves are caps.
// - Player: see the playerXxx constants below; sideways frames face right.
//
// The menu pieces: Divider is a horizontal metal rule, the same all along its
// width; PanelEdge is a quarter ring about its lower-left corner (clear inside,
// a bright rim at 0.74 of the width, a glow fading out beyond), so a strip
// along a straight edge samples one column of it; Ramp is a rounded bar
// brightening from left to right; Scroller is a shaded disc whose halves are
// the thumb's caps; SquareEdge is white with a soft three-pixel border;
// Sparkle is a four-pointed glint.
class GvArt {
public:
    static const GvArtPicture& image(GvArtImage image);
    static GvArtFrames frames(GvArtSet set);
    static int bytesPerPixel(GvArtFormat format);

    // Player frame groups: the four single frames, then the groups in order.
    static constexpr int playerStandFront = 0;
    static constexpr int playerStandSide = 1;
    static constexpr int playerStandBack = 2;
    static constexpr int playerPushSide = 3;
    static constexpr int playerWalkSide = 4;  // 24 frames, one stride loop
    static constexpr int playerPushWalk = 28; // 24 frames, one stride loop
    static constexpr int playerWalkDown = 52; // 12 frames, half a loop; mirror for the rest
    static constexpr int playerWalkUp = 64;   // 12 frames, half a loop; mirror for the rest
    static constexpr int playerBlink = 76;    // 6 frames: the eyes close
    static constexpr int playerTap = 82;      // 6 frames: a foot taps
    static constexpr int playerBlinkTap = 88; // 6 frames: both at once
    static constexpr int playerFrameCount = 94;
};
