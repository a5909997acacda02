#pragma once

#include <cstddef>
#include <vector>

struct OrbEmbeddedData;

// The coding of the pictures the program carries: each channel is predicted
// from the decoded pixel below it (on the bottom row, from the one to its
// left), and only the prediction's error is stored, deflated. Predicting from
// the row below alone leaves no dependence along a row, so decoding runs
// nearly as fast as inflating; a median of three neighbours would save a
// twentieth of the bytes at twice the decoding time. An error may be rounded to a multiple
// of 2 x bound + 1, so that every decoded channel lies within `bound` of the
// drawn one: painted noise then costs a fraction of its exact bytes, while
// flat and smooth areas stay exact. Alpha is always exact, so clear stays clear
// and opaque stays opaque; the colour of clear pixels, which only filtering
// and mipmaps ever show, may use its own looser bound.
//
// The frames of an animation differ little from one to the next, so a row may
// instead be predicted from the same row of the previous frame.
//
// A stream is a six-byte header (bound, clear bound, the count of escaped
// pixels) and a zlib stream of the errors: with a reference, one byte per row
// saying which prediction the row uses; alpha's plane, then, for
// colour, one symbol per pixel for its three errors when all are small, and
// the escaped pixels' errors at the end.
class OrbPictureCodec {
public:
    // `channels` is 1 (alpha), 2 (luminance, alpha), 3 (RGB) or 4 (RGBA); rows
    // are packed. Bounds above kLargestBound are taken as kLargestBound.
    // `alphaBound` lets alpha other than 0 and 255 move that far, never onto 0
    // or 255. `decoded`, when given, receives what decode will give back.
    // `reference`, when given, is a decoded picture of the same size and
    // channels (the previous frame of an animation) that rows may be predicted
    // from; the stream then needs it to decode.
    static std::vector<unsigned char> encode(const unsigned char* pixels, int width, int height,
                                             int channels, int bound, int clearBound,
                                             int alphaBound,
                                             std::vector<unsigned char>* decoded = nullptr,
                                             const unsigned char* reference = nullptr);

    // Decodes into `out`, whose rows lie `rowBytes` apart (at least width x
    // channels). Throws OrbCorruptDataTextureException unless the stream is
    // whole and gives exactly width x height pixels, or when it was coded
    // against a reference and none is given.
    static void decode(const unsigned char* stream, std::size_t length, int width, int height,
                       int channels, unsigned char* out, std::size_t rowBytes,
                       const unsigned char* reference = nullptr, std::size_t referenceRowBytes = 0);
    // The same into a new packed buffer.
    static std::vector<unsigned char> decode(const unsigned char* stream, std::size_t length,
                                             int width, int height, int channels);
    // The frames of an animation, each decoded against the one before it.
    static std::vector<std::vector<unsigned char>>
    decodeFrames(const OrbEmbeddedData* frames, int count, int width, int height, int channels);

    static constexpr int kLargestBound = 40;
};
