#pragma once

#include "platform/OrbUncopyable.h"

#include <memory>
#include <string>
#include <vector>

class GvLevelPack;
class GvResources;
class GvWorld;

// Draws whole caves and cave previews into pictures in memory with the game's own
// resources and renderer, for tools that show level designers a cave without
// playing it. It opens a small window only to get a GL context (so it needs a
// display, such as a virtual one) and draws off screen.
class GvShotRenderer : OrbUncopyable {
public:
    // An RGBA picture, the top row first.
    struct Picture {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> rgba;
    };

    // The largest picture drawn, by side and by area (a quarter of a gigabyte of
    // pixels); larger caves need a smaller tile size.
    static constexpr int kMaxPictureSide = 16384;
    static constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

    GvShotRenderer();
    ~GvShotRenderer();

    // Opens the window and uploads the pictures; false with `error` set when no
    // display or GL context can be had.
    bool open(std::string& error);

    // The cave (its visible rectangle when it has one) at `tilePixels` pixels per
    // cell, every object as the game would draw it at this moment, over black.
    bool drawWorld(const GvWorld& world, int tilePixels, Picture& picture, std::string& error);
    // The start box's preview of a level, 512 x 256 with transparent letter-box bars.
    bool drawPreview(const GvLevelPack& pack, int level, Picture& picture, std::string& error);

private:
    class Window;

    std::unique_ptr<GvResources> resources_;
    std::unique_ptr<Window> window_;
};
