#include "graphics/OrbGlState.h"

#include <GL/gl.h>
#include <algorithm>

void OrbGlState::setUpDrawing() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void OrbGlState::clear(const OrbColor& colour) {
    glClearColor(colour.r, colour.g, colour.b, colour.a);
    glClear(GL_COLOR_BUFFER_BIT);
}

void OrbGlState::setModelScale(float sx, float sy) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(sx, sy, 1.0f);
}

void OrbGlState::setModelTransform(float dx, float dy, float scale) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(dx, dy, 0.0f);
    glScalef(scale, scale, 1.0f);
}

std::vector<unsigned char> OrbGlState::readPixels(int x, int y, int width, int height) {
    const int w = std::max(width, 0);
    const int h = std::max(height, 0);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) *
                                      4);
    if (pixels.empty()) {
        return pixels;
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void OrbGlState::finish() {
    glFinish();
}

int OrbGlState::maxTextureSize() {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size;
}
