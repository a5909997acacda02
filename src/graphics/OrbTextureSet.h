#pragma once

#include "graphics/OrbTexture.h"
#include "platform/OrbUncopyable.h"

#include <memory>
#include <vector>

// The frames of one kind of image, in order; a frame's index is its position.
class OrbTextureSet : public OrbUncopyable {
public:
    OrbTextureSet() = default;
    virtual ~OrbTextureSet() = default;

    // Takes ownership; answers the new frame's index.
    int add(std::unique_ptr<OrbTexture> texture);

    void acquire();
    void release();
    void flush();

    int size() const { return static_cast<int>(textures_.size()); }
    OrbTexture& operator[](int index) const { return *textures_[static_cast<std::size_t>(index)]; }

private:
    std::vector<std::unique_ptr<OrbTexture>> textures_;
};
