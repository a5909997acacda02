#include "ui/OrbAnimatedTextControl.h"

#include <algorithm>

OrbAnimatedTextControl::OrbAnimatedTextControl(OrbControl* parent, OrbFont* font,
                                               std::vector<std::string> strings, OrbPoint anchor,
                                               float size, const OrbColor& colour, int alignment,
                                               double fadeTime, double holdTime, bool loop,
                                               int fontFlags, float fontScale)
    : OrbTextControl(parent, font, std::string(), anchor, size, colour, alignment, fontFlags,
                     fontScale),
      strings_(std::move(strings)), timer_(fadeTime), fadeTime_(fadeTime), holdTime_(holdTime),
      loop_(loop) {
    measureAll();
}

void OrbAnimatedTextControl::measureAll() {
    largest_ = measure(std::string());
    for (const std::string& s : strings_) {
        const OrbRect r = measure(s);
        if (r.width * r.height > largest_.width * largest_.height) {
            largest_ = r;
        }
    }
}

void OrbAnimatedTextControl::moveBy(OrbPoint offset) {
    OrbTextControl::moveBy(offset);
    measureAll();
}

void OrbAnimatedTextControl::reset() {
    OrbTextControl::reset();
    timer_ = fadeTime_;
    phase_ = kFadingIn;
    index_ = 0;
}

void OrbAnimatedTextControl::tick(double elapsed) {
    if (phase_ == kStopped) {
        return;
    }
    timer_ -= std::max(elapsed, 0.0);
    // Zero-length phases must not spin forever: without lines or without any time
    // in a cycle, the text stops.
    if (strings_.empty() || (loop_ && 2.0 * fadeTime_ + holdTime_ <= 0.0)) {
        if (timer_ < 0.0) {
            phase_ = kStopped;
            timer_ = 0.0;
        }
        return;
    }
    while (timer_ < 0.0) {
        if (phase_ == kFadingIn) {
            phase_ = kHolding;
            timer_ += holdTime_;
        } else if (phase_ == kHolding) {
            phase_ = kFadingOut;
            timer_ += fadeTime_;
        } else {
            ++index_;
            if (index_ >= static_cast<int>(strings_.size())) {
                if (!loop_) {
                    phase_ = kStopped;
                    timer_ = 0.0;
                    return;
                }
                index_ = 0;
            }
            phase_ = kFadingIn;
            timer_ += fadeTime_;
        }
    }
}

std::string OrbAnimatedTextControl::shownText() const {
    if (phase_ == kStopped || strings_.empty()) {
        return std::string();
    }
    return strings_[static_cast<std::size_t>(index_)];
}

float OrbAnimatedTextControl::fade() const {
    if (fadeTime_ <= 0.0) {
        return phase_ == kStopped ? 0.0f : 1.0f;
    }
    switch (phase_) {
    case kFadingIn:
        return static_cast<float>(std::clamp((fadeTime_ - timer_) / fadeTime_, 0.0, 1.0));
    case kHolding:
        return 1.0f;
    case kFadingOut:
        return static_cast<float>(std::clamp(timer_ / fadeTime_, 0.0, 1.0));
    default:
        return 0.0f;
    }
}

void OrbAnimatedTextControl::draw(const OrbColor& tint) {
    OrbColor shown = tinted(colour(), tint);
    shown.a *= fade();
    drawString(shownText(), shown);
}
