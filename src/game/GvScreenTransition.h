#pragma once
#include "graphics/OrbColor.h"

class GvPanel;

// Where a running transition leads once it is complete.
enum class GvTransitionTarget : int { Menu = 0, Play = 2, Overlay = 3, LeaveOverlay = 4 };

// The start and end of one quantity that a transition animates.
struct GvTransitionSpan {
    float from = 0.0f;
    float to = 0.0f;
};

// How a transition looks from start to end: the offsets of the outgoing and incoming
// panels (in slide distances), the zoom, the fade of what lies behind the panels and
// the panels' tint. What a transition leaves out stays as it is: in place, unzoomed,
// unfaded, untinted.
struct GvTransitionLook {
    GvTransitionSpan outgoing{};
    GvTransitionSpan incoming{};
    GvTransitionSpan zoom{1.0f, 1.0f};
    GvTransitionSpan fade{1.0f, 1.0f};
    OrbColor tintFrom{};
    OrbColor tintTo{};
};

// The change from one screen to the next: the panel sliding out, the panel sliding
// in, how far the change has come and what it leads to. The controller decides when
// one starts and what happens at its end; this keeps the state in between and turns
// the progress into the offsets, zoom, fade and tint to draw with.
class GvScreenTransition {
public:
    static constexpr float kSeconds = 0.3f;

    void begin(GvTransitionTarget target, GvPanel* outgoing, GvPanel* incoming,
               const GvTransitionLook& look);
    // Moves on by the given seconds; true once the transition is complete.
    bool advance(double seconds);

    GvTransitionTarget target() const { return target_; }
    float progress() const { return progress_; }
    GvPanel* outgoing() const { return outgoing_; }
    GvPanel* incoming() const { return incoming_; }
    void setPanels(GvPanel* outgoing, GvPanel* incoming);
    // Stops drawing a panel that is about to be destroyed.
    void forget(const GvPanel* panel);

    float fade() const;
    // The panels' scale: the zoom's distance from 1, squared, so that zooming in and
    // out ease the same way.
    float scale() const;
    OrbColor tint() const;
    float outgoingOffset() const;
    float incomingOffset() const;

private:
    float at(const GvTransitionSpan& span) const;

    GvTransitionTarget target_ = GvTransitionTarget::Menu;
    float progress_ = 0.0f;
    GvPanel* outgoing_ = nullptr;
    GvPanel* incoming_ = nullptr;
    GvTransitionLook look_;
};
