#pragma once

#include "ui/OrbTextControl.h"

#include <string>
#include <vector>

// A text that shows several lines one after another, each fading in, holding and
// fading out. Its bounds cover the largest of the lines so layout does not jump.
class OrbAnimatedTextControl : public OrbTextControl {
public:
    enum Phase : int { kFadingIn = 0, kHolding = 1, kFadingOut = 2, kStopped = 3 };

    OrbAnimatedTextControl(OrbControl* parent, OrbFont* font, std::vector<std::string> strings,
                           OrbPoint anchor, float size, const OrbColor& colour, int alignment,
                           double fadeTime, double holdTime, bool loop, int fontFlags = 0,
                           float fontScale = 1.0f);

    OrbRect bounds() const override { return largest_; }
    void moveBy(OrbPoint offset) override;
    void reset() override;
    void tick(double elapsed) override;
    void draw(const OrbColor& tint) override;

    int index() const { return index_; }
    int phase() const { return phase_; }
    // The line shown now (empty when stopped or without lines).
    std::string shownText() const;
    // The alpha factor of the fade, 0..1.
    float fade() const;

private:
    void measureAll();

    std::vector<std::string> strings_;
    int index_ = 0;
    int phase_ = kFadingIn;
    double timer_;
    double fadeTime_;
    double holdTime_;
    bool loop_;
    OrbRect largest_;
};
