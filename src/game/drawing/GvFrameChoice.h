#pragma once

#include "art/GvArt.h"
#include "graphics/OrbRect.h"

#include <array>

class GvObject;
class GvWorld;

// The images world objects are drawn with. The order is the compositing order:
// batches are drawn first to last, so later images cover earlier ones whatever
// the order of the cells.
enum class GvImage : int {
    explosion,
    dirt,
    bomb,
    boulder,
    diamond,
    firefly,
    butterfly,
    voodooDoll,
    player,
    amoeba,
    slime,
    brickWall,
    steelWall,
    sparkle,
    none
};
constexpr int kImageCount = static_cast<int>(GvImage::none);

// What one object looks like at this moment: which image, which frame of it,
// how the quad is turned and whether it is mirrored left to right. Tiled images
// span 2 x 2 cells and show the quarter chosen by the cell's grid parity.
struct GvLook {
    GvImage image = GvImage::none;
    int frame = 0;
    float rotation = 0.0f; // degrees, counter-clockwise
    bool mirrored = false;
    bool tiled = false;

    bool operator==(const GvLook&) const = default;
};

// The rules that turn an object's state into a frame of its image. They are pure
// functions of the state (and of the frame counts of the sets actually loaded),
// so that they can be checked without a GL context.
class GvFrameChoice {
public:
    // Frames per image, in GvImage order; single images count 1.
    using Counts = std::array<int, kImageCount>;
    static const Counts& standardCounts();

    // Groups of the player set, by their first frame index.
    struct PlayerGroups {
        int standFront = GvArt::playerStandFront;
        int standSide = GvArt::playerStandSide;
        int standBack = GvArt::playerStandBack;
        int pushSide = GvArt::playerPushSide;
        int walkSide = GvArt::playerWalkSide;
        int pushWalk = GvArt::playerPushWalk;
        int walkDown = GvArt::playerWalkDown;
        int walkUp = GvArt::playerWalkUp;
        int blink = GvArt::playerBlink;
        int tap = GvArt::playerTap;
        int blinkTap = GvArt::playerBlinkTap;
    };

    // What the player is doing, as far as its picture is concerned.
    struct PlayerPose {
        int facing = 2; // 0 up, 1 left, 2 front, 3 right
        bool moving = false;
        float progress = 0.0f; // step progress 0..1
        bool pushing = false;
        bool blinking = false;
        bool tapping = false;
        float blinkProgress = 0.0f; // 0..1
    };

    // A frame and the rest of a turn that the frames do not show.
    struct Turned {
        int frame = 0;
        float rotation = 0.0f;
    };

    // floor(v + 0.5).
    static int nearest(double v);
    static int clampFrame(int frame, int count);

    // Frames that each show the picture turned a further 360 / count degrees;
    // the quad is turned by what is left over.
    static Turned boulder(float angle, int count);
    // Seven times as many steps per turn as frames; the frames repeat.
    static Turned diamond(float angle, int count);
    // Pulse brightness from the phase, rotation steps of 15 degrees.
    static int bombPulse(float phase);
    static Turned bomb(float angle, float phase, int count);
    // 2 x count - 2 steps per turn; the second half of the turn mirrors the first.
    static GvLook firefly(float angle, int count);
    // Frame 0 shows the wings closed, the last frame fully open.
    static int butterfly(float wingOpening, int count);
    // floor(count x phase), for amoeba and slime.
    static int looping(float phase, int count);
    static int explosion(float progress, int count);
    static GvLook player(const PlayerPose& pose, const PlayerGroups& groups, int count);

    // The quarter of a 2 x 2 tiled picture that a cell shows (texture space).
    static OrbRect tileQuarter(int gridCol, int gridRow);

    // The look of any object in the world; `visible` is false for space and for
    // boxes that are between flashes. In `plain` mode (cave previews) nothing
    // turns: boulders and diamonds show frame 0 and bombs their last frame.
    static GvLook look(const GvObject& object, const GvWorld& world, const Counts& counts,
                       bool plain = false);
    // Whether equal neighbours of this object in a row may be drawn as one quad.
    static bool canMerge(const GvObject& object);
};
