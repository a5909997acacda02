#include "art/GvArt.h"

#include <stdexcept>

// Defined in the generated source.
extern const GvArtPicture gvArtImageTable[];
extern const int gvArtImageCount;
extern const GvArtFrames gvArtSetTable[];
extern const int gvArtSetCount;

const GvArtPicture& GvArt::image(GvArtImage image) {
    const int i = static_cast<int>(image);
    if (i < 0 || i >= gvArtImageCount) {
        throw std::out_of_range("GvArt::image: no such picture");
    }
    return gvArtImageTable[i];
}

GvArtFrames GvArt::frames(GvArtSet set) {
    const int i = static_cast<int>(set);
    if (i < 0 || i >= gvArtSetCount) {
        throw std::out_of_range("GvArt::frames: no such set");
    }
    return gvArtSetTable[i];
}

int GvArt::bytesPerPixel(GvArtFormat format) {
    switch (format) {
    case GvArtFormat::Alpha:
        return 1;
    case GvArtFormat::LuminanceAlpha:
        return 2;
    case GvArtFormat::Rgb:
        return 3;
    case GvArtFormat::Rgba:
        return 4;
    }
    return 1;
}
