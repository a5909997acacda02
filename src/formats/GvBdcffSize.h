#pragma once

// The size of a BDCFF cave and the part of it that is shown: left and top cell,
// width and height in cells. Two-value sizes show the whole cave.
struct GvBdcffSize {
    int width = 40;
    int height = 22;
    int visibleLeft = 0;
    int visibleTop = 0;
    int visibleWidth = 40;
    int visibleHeight = 22;
};
