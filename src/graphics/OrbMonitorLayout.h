#pragma once

#include "graphics/OrbWindowRect.h"

#include <vector>

// The rules for where the window goes among the monitors: where it first opens,
// which monitor full screen covers, and where it lands when full screen ends. Kept
// apart from the window so that the rules can be checked without a desktop.
class OrbMonitorLayout {
public:
    // `bounds` are the monitors' full rectangles and `workAreas` their usable parts
    // (without panels), in the same order, the primary monitor first. Empty lists
    // stand for one monitor of the given fallback size at the origin.
    OrbMonitorLayout(std::vector<OrbWindowRect> bounds, std::vector<OrbWindowRect> workAreas,
                     int fallbackWidth = 800, int fallbackHeight = 600);

    // A window of this size centred on the primary monitor, never above its top.
    OrbWindowRect defaultRect(int width, int height) const;
    // Where the window opens for a placement mode and a stored rectangle. Maximized
    // and full-screen windows are centred, at `fallback`'s size, on the work area
    // holding the stored rectangle's centre. A normal window keeps the stored
    // rectangle only if it lies wholly inside the work area holding its centre;
    // otherwise it stays at `fallback`.
    OrbWindowRect initialRect(int mode, const OrbWindowRect& stored,
                              const OrbWindowRect& fallback) const;
    // The full rectangle of the monitor holding the window's centre, searching from
    // the last monitor; the first when none does.
    OrbWindowRect fullScreenRect(const OrbWindowRect& window) const;
    // A window half the size of the work area holding its centre (at least the
    // minimum size), centred in it: where a window goes that left full screen with
    // no rectangle saved.
    OrbWindowRect halfWorkAreaRect(const OrbWindowRect& window, int minimumWidth,
                                   int minimumHeight) const;

    const std::vector<OrbWindowRect>& bounds() const { return bounds_; }
    const std::vector<OrbWindowRect>& workAreas() const { return workAreas_; }

private:
    const OrbWindowRect* workAreaAt(int x, int y) const;
    const OrbWindowRect& workAreaOrFirst(int x, int y) const;
    static OrbWindowRect centredIn(const OrbWindowRect& area, int width, int height);

    std::vector<OrbWindowRect> bounds_;
    std::vector<OrbWindowRect> workAreas_;
};
