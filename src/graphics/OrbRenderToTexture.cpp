#include "graphics/OrbRenderToTexture.h"

#include "graphics/OrbGlExtensions.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <SDL.h>

OrbRenderToTexture::OrbRenderToTexture(int format, int width, int height, int wrapS, int wrapT,
                                       int magFilter, int minFilter, bool mipmaps)
    : OrbTexture(format, width, height, wrapS, wrapT, magFilter, minFilter, mipmaps) {}

void OrbRenderToTexture::acquire() {
    OrbTexture::acquire();
    if (framebuffer_ != 0 || !OrbGlExtensions::has("GL_EXT_framebuffer_object")) {
        return;
    }
    genFramebuffers_ =
        reinterpret_cast<GenFramebuffers>(SDL_GL_GetProcAddress("glGenFramebuffersEXT"));
    deleteFramebuffers_ =
        reinterpret_cast<DeleteFramebuffers>(SDL_GL_GetProcAddress("glDeleteFramebuffersEXT"));
    bindFramebuffer_ =
        reinterpret_cast<BindFramebuffer>(SDL_GL_GetProcAddress("glBindFramebufferEXT"));
    framebufferTexture2D_ =
        reinterpret_cast<FramebufferTexture2D>(SDL_GL_GetProcAddress("glFramebufferTexture2DEXT"));
    if (genFramebuffers_ && deleteFramebuffers_ && bindFramebuffer_ && framebufferTexture2D_) {
        genFramebuffers_(1, &framebuffer_);
    }
}

void OrbRenderToTexture::release() {
    // Only the last release gives up the texture, and the framebuffer with it.
    if (useCount_ == 1) {
        if (rendering_) {
            endRendering();
        }
        if (framebuffer_ != 0 && deleteFramebuffers_) {
            deleteFramebuffers_(1, &framebuffer_);
        }
        framebuffer_ = 0;
        genFramebuffers_ = nullptr;
        deleteFramebuffers_ = nullptr;
        bindFramebuffer_ = nullptr;
        framebufferTexture2D_ = nullptr;
    }
    OrbTexture::release();
}

bool OrbRenderToTexture::usable() const {
    return framebuffer_ != 0 && glName_ != 0;
}

bool OrbRenderToTexture::beginRendering() {
    if (usable() && !rendering_) {
        glFinish();
        bindFramebuffer_(GL_FRAMEBUFFER_EXT, framebuffer_);
        glBindTexture(GL_TEXTURE_2D, 0);
        framebufferTexture2D_(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, glName_,
                              0);
        rendering_ = true;
    }
    return rendering_;
}

void OrbRenderToTexture::endRendering() {
    if (!rendering_) {
        return;
    }
    glFinish();
    static const GLenum formats[] = {GL_RGB, GL_RGBA, GL_LUMINANCE_ALPHA};
    const GLenum format = format_ >= 0 && format_ < 3 ? formats[format_] : GL_ALPHA;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, format, GL_UNSIGNED_BYTE, pixels_.data());
    bindFramebuffer_(GL_FRAMEBUFFER_EXT, 0);
    rendering_ = false;
    if (mipmaps_) {
        glBindTexture(GL_TEXTURE_2D, glName_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(format), width_, height_, format,
                          GL_UNSIGNED_BYTE, pixels_.data());
    }
}
