#include "levelpack/GvUnpackGrid.h"

GvUnpackGrid::GvUnpackGrid(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      types_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
             GvPackedObjectType::space),
      styles_(types_.size(), 0) {}

void GvUnpackGrid::setCell(long long x, long long y, GvPackedObjectType object) {
    if (!contains(x, y) || object == GvPackedObjectType::none) {
        return;
    }
    types_[index(x, y)] = object;
    styles_[index(x, y)] = styleOfType(object);
}

int GvUnpackGrid::styleOfType(GvPackedObjectType object) const {
    const int type = static_cast<int>(object);
    return type >= 0 && type < kTypeCount ? styleOfType_[type] : 0;
}

void GvUnpackGrid::setStyleOfType(GvPackedObjectType object, int style) {
    const int type = static_cast<int>(object);
    if (type >= 0 && type < kTypeCount) {
        styleOfType_[type] = style;
    }
}
