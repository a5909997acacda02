#include "graphics/OrbViewImpl.h"

#include <algorithm>

void OrbViewImpl::setMinimumClientSize(int width, int height) {
    minimumClientWidth_ = std::max(width, 1);
    minimumClientHeight_ = std::max(height, 1);
}
