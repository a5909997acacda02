#include "graphics/OrbTextureSet.h"

int OrbTextureSet::add(std::unique_ptr<OrbTexture> texture) {
    textures_.push_back(std::move(texture));
    return static_cast<int>(textures_.size()) - 1;
}

void OrbTextureSet::acquire() {
    for (auto& texture : textures_) {
        texture->acquire();
    }
}

void OrbTextureSet::release() {
    for (auto& texture : textures_) {
        texture->release();
    }
}

void OrbTextureSet::flush() {
    for (auto& texture : textures_) {
        texture->flush();
    }
}
