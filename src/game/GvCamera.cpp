#include "game/GvCamera.h"

#include "game/drawing/GvWorldRenderer.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cmath>

// Moves `value` towards `target` by at most the step speed, easing in over the
// last tiles so the camera settles instead of stopping dead.
static float approach(float value, float target, float speed) {
    const float d = std::fabs(target - value);
    if (d < GvCamera::kEaseDistance) {
        speed *= std::sqrt(d / GvCamera::kEaseDistance);
    }
    if (d <= speed) {
        return target;
    }
    return value + (target > value ? speed : -speed);
}

static void setLimits(float caveSize, float viewSize, float& minimum, float& maximum) {
    if (caveSize > viewSize) {
        minimum = viewSize / 2.0f;
        maximum = caveSize - viewSize / 2.0f;
    } else {
        minimum = maximum = caveSize / 2.0f;
    }
}

void GvCamera::updateViewSize(const GvWorld& world, float logicalWidth, float logicalHeight) {
    const float lw = logicalWidth > 0.0f ? logicalWidth : 1.0f;
    const float lh = logicalHeight > 0.0f ? logicalHeight : 1.0f;
    float cols = static_cast<float>(kScrollingTiles);
    float rows = static_cast<float>(kScrollingTiles);
    if (world.presentation == GvPresentation::full && world.view_width > 0 &&
        world.view_height > 0) {
        cols = static_cast<float>(world.view_width);
        rows = static_cast<float>(world.view_height);
    }
    if (lh / rows > lw / cols) {
        viewWidth = cols;
        viewHeight = lh / (lw / cols);
    } else {
        viewHeight = rows;
        viewWidth = lw / (lh / rows);
    }
    setLimits(static_cast<float>(world.view_width), viewWidth, minCameraX, maxCameraX);
    setLimits(static_cast<float>(world.view_height), viewHeight, minCameraY, maxCameraY);
    clampAndWrap(world);
}

void GvCamera::focusPoint(const GvWorld& world, bool centre, float& x, float& y) {
    const auto [fx, fy] = world.viewTarget(centre);
    x = fx;
    y = fy;
    // The camera counts in cells of the visible rectangle, the world in grid cells.
    if (world.has_view) {
        x -= static_cast<float>(world.view_left);
        y -= static_cast<float>(world.view_top);
    }
}

void GvCamera::place(const GvWorld& world) {
    float fx = 0.0f;
    float fy = 0.0f;
    focusPoint(world, false, fx, fy);
    const float w = static_cast<float>(world.view_width);
    const float h = static_cast<float>(world.view_height);
    cameraX = fx >= w / 2.0f ? 0.0f : w - 1.0f;
    cameraY = fy >= h / 2.0f ? 0.0f : h - 1.0f;
    // One tile per tick brings the camera to the player as the pre-game ends.
    const float m = 0.75f * static_cast<float>(std::max(world.pre_game_ticks, 0));
    cameraX = std::clamp(cameraX, fx - m, fx + m);
    cameraY = std::clamp(cameraY, fy - m, fy + m);
    targetX = cameraX;
    targetY = cameraY;
    wrapOffsetX = 0;
    wrapOffsetY = 0;
    clampAndWrap(world);
}

void GvCamera::follow(const GvWorld& world, float seconds, bool adjust, GvInputBits arrows) {
    if (adjust) {
        const float d = kAdjustSpeed * seconds;
        if ((arrows & kInputLeft) != 0) {
            cameraX -= d;
        } else if ((arrows & kInputRight) != 0) {
            cameraX += d;
        }
        if ((arrows & kInputUp) != 0) {
            cameraY -= d;
        } else if ((arrows & kInputDown) != 0) {
            cameraY += d;
        }
        targetX = cameraX;
        targetY = cameraY;
        clampAndWrap(world);
        return;
    }

    float fx = 0.0f;
    float fy = 0.0f;
    focusPoint(world, true, fx, fy);
    const bool wrapX = GvWorldRenderer::wrapsHorizontally(world);
    const bool wrapY = GvWorldRenderer::wrapsVertically(world);
    if (world.presentation == GvPresentation::scrolling && (wrapX || wrapY)) {
        // Follow the copy of the player nearest the camera so that crossing a
        // wrapping edge scrolls on instead of sweeping back across the cave.
        const float w = static_cast<float>(world.view_width);
        const float h = static_cast<float>(world.view_height);
        float bestX = fx;
        float bestY = fy;
        float best = -1.0f;
        for (int sy = -1; sy <= 1; ++sy) {
            if (sy != 0 && !wrapY) {
                continue;
            }
            for (int sx = -1; sx <= 1; ++sx) {
                if (sx != 0 && !wrapX) {
                    continue;
                }
                const float x = fx + static_cast<float>(sx) * w;
                const float y = fy + static_cast<float>(sy) * h;
                const float dist = (x - cameraX) * (x - cameraX) + (y - cameraY) * (y - cameraY);
                if (best < 0.0f || dist < best) {
                    best = dist;
                    bestX = x;
                    bestY = y;
                }
            }
        }
        fx = bestX;
        fy = bestY;
    }
    if (std::fabs(fx - cameraX) + 0.5f > viewWidth / 2.0f - kEdgeMargin) {
        targetX = fx;
    }
    if (std::fabs(fy - cameraY) + 0.5f > viewHeight / 2.0f - kEdgeMargin) {
        targetY = fy;
    }
    if (!wrapX) {
        targetX = std::clamp(targetX, minCameraX, maxCameraX);
    }
    if (!wrapY) {
        targetY = std::clamp(targetY, minCameraY, maxCameraY);
    }
    const float speed = world.tick_rate * seconds;
    cameraX = approach(cameraX, targetX, speed);
    cameraY = approach(cameraY, targetY, speed);
    clampAndWrap(world);
}

void GvCamera::clampAndWrap(const GvWorld& world) {
    if (!GvWorldRenderer::wrapsHorizontally(world)) {
        cameraX = std::clamp(cameraX, minCameraX, maxCameraX);
        targetX = std::clamp(targetX, minCameraX, maxCameraX);
    }
    if (!GvWorldRenderer::wrapsVertically(world)) {
        cameraY = std::clamp(cameraY, minCameraY, maxCameraY);
        targetY = std::clamp(targetY, minCameraY, maxCameraY);
    }
    wrap(world);
}

void GvCamera::wrap(const GvWorld& world) {
    const int w = world.view_width;
    const int h = world.view_height;
    const bool stepped = world.wrap == GvWrapMode::stepped && !world.has_view;
    // A camera thrown to infinity would never come back by whole cave sizes.
    if (!std::isfinite(cameraX) || !std::isfinite(cameraY)) {
        cameraX = targetX = 0.0f;
        cameraY = targetY = 0.0f;
    }
    if (GvWorldRenderer::wrapsHorizontally(world) && w > 0) {
        // A stepped cave continues one row further down past its right edge.
        const float step = stepped ? 1.0f : 0.0f;
        while (cameraX >= static_cast<float>(w)) {
            cameraX -= static_cast<float>(w);
            targetX -= static_cast<float>(w);
            wrapOffsetX += w;
            cameraY += step;
            targetY += step;
            wrapOffsetY -= static_cast<int>(step);
        }
        while (cameraX < 0.0f) {
            cameraX += static_cast<float>(w);
            targetX += static_cast<float>(w);
            wrapOffsetX -= w;
            cameraY -= step;
            targetY -= step;
            wrapOffsetY += static_cast<int>(step);
        }
    }
    if (GvWorldRenderer::wrapsVertically(world) && h > 0) {
        while (cameraY >= static_cast<float>(h)) {
            cameraY -= static_cast<float>(h);
            targetY -= static_cast<float>(h);
            wrapOffsetY += h;
        }
        while (cameraY < 0.0f) {
            cameraY += static_cast<float>(h);
            targetY += static_cast<float>(h);
            wrapOffsetY -= h;
        }
    }
}

GvCamera::Range GvCamera::visibleRange(const GvWorld& world, bool clamped) const {
    const float hx = viewWidth / 2.0f + 0.5f;
    const float hy = viewHeight / 2.0f + 0.5f;
    Range r;
    r.firstCol = static_cast<int>(std::floor(cameraX - 0.5f - hx - 1.0f));
    r.lastCol = static_cast<int>(std::ceil(cameraX - 0.5f + hx + 1.0f));
    r.firstRow = static_cast<int>(std::floor(cameraY - 0.5f - hy - 1.0f));
    r.lastRow = static_cast<int>(std::ceil(cameraY - 0.5f + hy + 1.0f));
    if (clamped && !GvWorldRenderer::wrapsHorizontally(world)) {
        r.firstCol = std::max(r.firstCol, 0);
        r.lastCol = std::min(r.lastCol, world.view_width - 1);
    }
    if (clamped && !GvWorldRenderer::wrapsVertically(world)) {
        r.firstRow = std::max(r.firstRow, 0);
        r.lastRow = std::min(r.lastRow, world.view_height - 1);
    }
    return r;
}
