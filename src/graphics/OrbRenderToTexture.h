#pragma once

#include "graphics/OrbTexture.h"

// A texture that can be drawn into through the framebuffer-object extension. After
// drawing, the pixels are read back so that they survive a lost context like those
// of any other texture. Without the extension it cannot render and shows whatever
// pixels it was given.
class OrbRenderToTexture : public OrbTexture {
public:
    OrbRenderToTexture(int format, int width, int height, int wrapS = OrbWrapClamp,
                       int wrapT = OrbWrapClamp, int magFilter = OrbFilterLinear,
                       int minFilter = OrbFilterLinearMipmapLinear, bool mipmaps = true);
    ~OrbRenderToTexture() override = default;

    void acquire() override;
    void release() override;
    bool isUploaded() const override { return usable(); }

    bool usable() const;
    // Directs drawing into the texture; the caller sets its own viewport and
    // projection. Answers false when the texture cannot be drawn into.
    bool beginRendering();
    // Reads the drawing back and directs drawing to the window again.
    void endRendering();
    bool isRendering() const { return rendering_; }

private:
    using GenFramebuffers = void (*)(int, unsigned*);
    using DeleteFramebuffers = void (*)(int, const unsigned*);
    using BindFramebuffer = void (*)(unsigned, unsigned);
    using FramebufferTexture2D = void (*)(unsigned, unsigned, unsigned, unsigned, int);

    unsigned framebuffer_ = 0;
    GenFramebuffers genFramebuffers_ = nullptr;
    DeleteFramebuffers deleteFramebuffers_ = nullptr;
    BindFramebuffer bindFramebuffer_ = nullptr;
    FramebufferTexture2D framebufferTexture2D_ = nullptr;
    bool rendering_ = false;
};
