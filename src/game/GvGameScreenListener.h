#pragma once

#include "sim/GvWorldState.h"

// What the in-game screen tells its controller: the end of a cave and the player's
// wish to pause or to leave a demo. The screen never shows panels itself.
class GvGameScreenListener {
public:
    virtual ~GvGameScreenListener() = default;

    // The world reached Completed, Ended or PlayerGone in the last advance. Called
    // once per cave, after the screen has cleared the live input and switched off
    // fast forward and view adjust.
    virtual void caveEnded(GvWorldState state) = 0;
    // Escape or Return without Shift, Control, Alt or the Windows key during play.
    virtual void pauseRequested() = 0;
    // Any key event while a demo plays: the demo gives way to the menu.
    virtual void demoInterrupted() = 0;
};
