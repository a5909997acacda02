#include "levelpack/GvCaveDef.h"

GvCaveDef::GvCaveDef(int variantCount, int width, int height) : width(width), height(height) {
    for (int v = 0; v < variantCount; ++v) {
        variants.push_back(std::make_unique<GvCaveVariant>());
    }
}

GvCaveVariant* GvCaveDef::variant(int v) {
    return v >= 0 && v < variantCount() ? variants[static_cast<std::size_t>(v)].get() : nullptr;
}

const GvCaveVariant* GvCaveDef::variant(int v) const {
    return v >= 0 && v < variantCount() ? variants[static_cast<std::size_t>(v)].get() : nullptr;
}
