#include "graphics/OrbProjection.h"

#include "graphics/OrbFont.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

// The widest status line the game shows: its texts and the three status symbols.
const char kStatusSample[] = " M-9\x1d   999\x1e"
                             "999   \x1f"
                             "999 ";
constexpr float kStatusTextSize = 0.7f;

} // namespace

OrbProjection::OrbProjection(int viewportX, int viewportY, int viewportWidth, int viewportHeight,
                             OrbRect canvas)
    : viewportX_(viewportX), viewportY_(viewportY), viewportWidth_(viewportWidth),
      viewportHeight_(viewportHeight), canvas_(canvas) {}

OrbProjection OrbProjection::make(int number, int width, int height, int statusHeight) {
    const int w = std::max(width, 1);
    const int h = std::max(height, 1);
    const int s = std::clamp(statusHeight, 1, h);
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    const float fs = static_cast<float>(s);
    switch (number) {
    case OrbProjectionMenu: {
        const float aspect = fw / fh;
        float cw = 100.0f * aspect;
        float ch = 100.0f;
        if (aspect < 1.4f) {
            cw = 140.0f;
            ch = 140.0f / aspect;
        }
        return OrbProjection(0, 0, w, h, OrbRect{-cw / 2.0f, -ch / 2.0f, cw, ch});
    }
    case OrbProjectionStatusLine:
        return OrbProjection(0, h - s, w, s, OrbRect{-fw / (2.0f * fs), 0.0f, fw / fs, 1.0f});
    case OrbProjectionGameBelowStatus: {
        const int gh = std::max(h - s, 1);
        const float fg = static_cast<float>(gh);
        return OrbProjection(0, 0, w, gh, OrbRect{-fw / (2.0f * fg), -0.5f, fw / fg, 1.0f});
    }
    default:
        return OrbProjection(0, 0, w, h, OrbRect{-fw / (2.0f * fh), -0.5f, fw / fh, 1.0f});
    }
}

int OrbProjection::statusLineHeight(int width, int height, float sampleWidth) {
    const double w = std::max(width, 1);
    const double h = std::max(height, 1);
    double s = 0.1 * h;
    if (sampleWidth > 0.0f) {
        s = std::min(w / sampleWidth, s);
    }
    return std::max(static_cast<int>(std::lround(s)), 1);
}

float OrbProjection::statusSampleWidth(const OrbFont& font) {
    return font.textWidth(kStatusSample, kStatusTextSize, OrbFont::kSmallCaps, 1.0f, false);
}

OrbPoint OrbProjection::toCanvas(int x, int y, int clientHeight) const {
    const float cx =
        static_cast<float>(x - viewportX_) * canvas_.width / static_cast<float>(viewportWidth_) +
        canvas_.x;
    const float cy = canvas_.height * static_cast<float>(clientHeight - viewportY_ - y) /
                         static_cast<float>(viewportHeight_) +
                     canvas_.y;
    return OrbPoint{cx, cy};
}

void OrbProjection::apply() const {
    glViewport(viewportX_, viewportY_, viewportWidth_, viewportHeight_);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(canvas_.x, canvas_.x + canvas_.width, canvas_.y, canvas_.y + canvas_.height, 0.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
}
