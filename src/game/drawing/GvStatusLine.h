#pragma once

#include "graphics/OrbColor.h"
#include "platform/OrbUncopyable.h"

#include <string>

class GvResources;
class GvWorld;

// The line above the cave: the cave's name before play starts, then the level
// code, the diamonds collected against the quota and the seconds left, with a
// divider beneath. Drawn in the status-line projection (one unit high).
class GvStatusLine : OrbUncopyable {
public:
    static constexpr float kTextSize = 0.7f;
    // Bottom of the glyph cells above the bottom of the line.
    static constexpr float kTextBottom = 0.19f;
    static constexpr float kDividerHeight = 0.08f;
    // From this many seconds left the clock pulses red.
    static constexpr float kWarningSeconds = 10.0f;

    GvStatusLine() = default;

    // Borrows the resources and measures the fixed pieces with their font; null
    // detaches.
    void setResources(GvResources* resources);
    // `clock` is the program clock in seconds.
    void draw(const GvWorld& world, double clock, float fade);

    // Colours of the status line, before fading.
    static OrbColor titleColour();
    // The diamond glyph and counts: yellow/white below the quota, green at it.
    static OrbColor diamondGlyphColour(bool quotaReached);
    static OrbColor diamondCountColour(bool quotaReached);
    // The clock glyph (`glyph` true) or number for a world: plain while time is
    // plentiful, pulsing between red and dark red once a second from ten seconds
    // left and while no game time is left (then timed by the program clock).
    static OrbColor clockColour(const GvWorld& world, double clock, bool glyph);

private:
    void drawTitle(const GvWorld& world, float fade, float left, float width);
    void drawDivider(float fade, float left, float width);

    GvResources* resources_ = nullptr;
    std::string title_;
    std::string filteredTitle_;
    float titleWidth_ = 0.0f;
    float spaceWidth_ = 0.0f;
    float codeWidth_ = 0.0f;
    float diamondGlyphWidth_ = 0.0f;
    float numberWidth_ = 0.0f;
};
