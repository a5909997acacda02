#include "ArtBook.h"

#include <gtest/gtest.h>

#include <vector>

// The butterfly frames run from wings shut to wings wide open: the part of the cell
// the wings cover grows from frame to frame.
TEST(ArtBook, ButterflyWingsOpenFromTheFirstFrameToTheLast) {
    const std::vector<ArtPicture> frames = drawButterfly();
    ASSERT_EQ(frames.size(), 16u);
    std::vector<int> covered;
    for (const ArtPicture& frame : frames) {
        ASSERT_EQ(frame.format, ArtFormat::Rgba);
        int count = 0;
        for (std::size_t i = 3; i < frame.bytes.size(); i += 4) {
            count += frame.bytes[i] > 127;
        }
        covered.push_back(count);
    }
    for (std::size_t k = 1; k < covered.size(); ++k) {
        EXPECT_GT(covered[k], covered[k - 1]) << "frame " << k;
    }
    EXPECT_GT(covered.back(), 3 * covered.front()) << "frame 0 shows the wings shut";
}
