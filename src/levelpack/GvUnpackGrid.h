#pragma once

#include "sim/GvPackedObjectType.h"

#include <vector>

// The temporary grid that a cave's commands draw into while one level is built.
// It holds an object type and a style per cell; the style a cell gets is the one
// in force for its type when it is drawn, so style commands only affect later
// drawing. The level builder turns the finished grid into world objects.
class GvUnpackGrid {
public:
    static constexpr int kTypeCount = 28;

    GvUnpackGrid(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // The one way to draw: cells outside the grid and the type that means "leave
    // the cell unchanged" are skipped silently. Coordinates are wide so that
    // commands can step past the range of int without wrapping back inside.
    void setCell(long long x, long long y, GvPackedObjectType object);

    bool contains(long long x, long long y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    // Both need a cell inside the grid.
    GvPackedObjectType typeAt(int x, int y) const { return types_[index(x, y)]; }
    int styleAt(int x, int y) const { return styles_[index(x, y)]; }

    // Types outside the table read as style 0 and ignore new styles.
    int styleOfType(GvPackedObjectType object) const;
    void setStyleOfType(GvPackedObjectType object, int style);

    int fillerType() const { return fillerType_; }
    int fillerStyle() const { return fillerStyle_; }
    void setFiller(int type, int style) {
        fillerType_ = type;
        fillerStyle_ = style;
    }

private:
    std::size_t index(long long x, long long y) const {
        return static_cast<std::size_t>(x + y * width_);
    }

    int width_;
    int height_;
    std::vector<GvPackedObjectType> types_;
    std::vector<int> styles_;
    int styleOfType_[kTypeCount] = {};
    int fillerType_ = 0;
    int fillerStyle_ = 0;
};
