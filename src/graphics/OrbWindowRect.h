#pragma once

// A rectangle of screen or window pixels, y pointing down as the desktop counts.
struct OrbWindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int centreX() const { return left + width / 2; }
    int centreY() const { return top + height / 2; }
    bool containsPoint(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    bool containsRect(const OrbWindowRect& r) const {
        return r.left >= left && r.top >= top && r.left + r.width <= left + width &&
               r.top + r.height <= top + height;
    }
    bool operator==(const OrbWindowRect&) const = default;
};

// How the window starts: as stored, maximized, or full screen.
enum OrbWindowMode : int { OrbWindowNormal = 0, OrbWindowMaximized = 1, OrbWindowFullScreen = 2 };
