#pragma once

#include "platform/GvInputRecording.h"

class GvWorld;

// The in-game camera: how many tiles the game area shows, which point of the cave
// sits at its centre, where that point is heading and how often it has wrapped
// around a wrapping cave. All positions are in tiles of the cave's visible
// rectangle (columns right, rows down); the operations are pure functions of the
// world and the time step, so the camera can be tested without a screen.
class GvCamera {
public:
    // Tiles per second while the player scrolls the view by hand.
    static constexpr float kAdjustSpeed = 12.0f;
    // Tiles shown across the shorter side for scrolling caves.
    static constexpr int kScrollingTiles = 12;
    // The player may come this close (in tiles) to the edge of the view before the
    // camera sets off after him.
    static constexpr float kEdgeMargin = 2.4f;
    // Below this distance (tiles) to its target the camera slows down.
    static constexpr float kEaseDistance = 2.0f;

    // Cells to draw, inclusive, in visible-rectangle coordinates.
    struct Range {
        int firstCol = 0;
        int lastCol = -1;
        int firstRow = 0;
        int lastRow = -1;
    };

    // Fits the view to a game area of logicalWidth x logicalHeight canvas units
    // and sets the camera limits, then clamps and wraps.
    void updateViewSize(const GvWorld& world, float logicalWidth, float logicalHeight);
    // Places the camera for a new cave: on the far side of the cave from the
    // player, close enough to reach him as the pre-game period ends.
    void place(const GvWorld& world);
    // One step of `seconds` after the world advanced. With `adjust` the held
    // `arrows` (input bits) move the camera directly; otherwise it follows the
    // player.
    void follow(const GvWorld& world, float seconds, bool adjust, GvInputBits arrows);
    // Clamps camera and target on the axes that do not wrap and brings the camera
    // back into the cave on the axes that do.
    void clampAndWrap(const GvWorld& world);
    // The cells around the camera that the view may show; `clamped` limits the
    // axes that do not wrap to the cave.
    Range visibleRange(const GvWorld& world, bool clamped) const;

    // The point the camera follows, in visible-rectangle coordinates.
    static void focusPoint(const GvWorld& world, bool centre, float& x, float& y);

    float viewWidth = 1.0f;
    float viewHeight = 1.0f;
    float cameraX = 0.0f;
    float cameraY = 0.0f;
    float targetX = 0.0f;
    float targetY = 0.0f;
    float minCameraX = 0.0f;
    float maxCameraX = 0.0f;
    float minCameraY = 0.0f;
    float maxCameraY = 0.0f;
    int wrapOffsetX = 0;
    int wrapOffsetY = 0;

private:
    void wrap(const GvWorld& world);
};
