#include "game/GvScreenTransition.h"

namespace {

float lerp(float a, float b, float t) {
    return a + (b - a) * t;
}

} // namespace

void GvScreenTransition::begin(GvTransitionTarget target, GvPanel* outgoing, GvPanel* incoming,
                               const GvTransitionLook& look) {
    target_ = target;
    outgoing_ = outgoing;
    incoming_ = incoming;
    look_ = look;
    progress_ = 0.0f;
}

bool GvScreenTransition::advance(double seconds) {
    progress_ += static_cast<float>(seconds / kSeconds);
    // Steps that add up to the transition's length finish it despite rounding.
    if (progress_ > 1.0f - 1e-5f) {
        progress_ = 1.0f;
    }
    return progress_ >= 1.0f;
}

void GvScreenTransition::setPanels(GvPanel* outgoing, GvPanel* incoming) {
    outgoing_ = outgoing;
    incoming_ = incoming;
}

void GvScreenTransition::forget(const GvPanel* panel) {
    if (panel == nullptr) {
        return;
    }
    if (outgoing_ == panel) {
        outgoing_ = nullptr;
    }
    if (incoming_ == panel) {
        incoming_ = nullptr;
    }
}

float GvScreenTransition::at(const GvTransitionSpan& span) const {
    return lerp(span.from, span.to, progress_);
}

float GvScreenTransition::fade() const {
    return at(look_.fade);
}

float GvScreenTransition::scale() const {
    const float z = at(look_.zoom);
    return 1.0f + (z - 1.0f) * (z - 1.0f);
}

OrbColor GvScreenTransition::tint() const {
    const OrbColor& a = look_.tintFrom;
    const OrbColor& b = look_.tintTo;
    OrbColor tint{lerp(a.r, b.r, progress_), lerp(a.g, b.g, progress_), lerp(a.b, b.b, progress_),
                  lerp(a.a, b.a, progress_)};
    tint.a *= tint.a;
    return tint;
}

float GvScreenTransition::outgoingOffset() const {
    return at(look_.outgoing);
}

float GvScreenTransition::incomingOffset() const {
    return at(look_.incoming);
}
