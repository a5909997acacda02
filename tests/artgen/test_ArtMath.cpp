#include "ArtMath.h"

#include <gtest/gtest.h>

// Sample points spread over a few lattice cells, away from integer corners.
static V3 samplePoint(int i) {
    return {hashUnit(i, 0, 0, 9) * 6 - 3, hashUnit(i, 1, 0, 9) * 6 - 3, hashUnit(i, 2, 0, 9) * 4};
}

TEST(ArtMathTest, RotationTurnsCounterClockwise) {
    // Frames that turn a picture rely on this direction (y up).
    const V2 r = rotate({1, 0}, kPi / 2);
    EXPECT_NEAR(r.x, 0, 1e-6);
    EXPECT_NEAR(r.y, 1, 1e-6);
    const V2 back = rotate(r, -kPi / 2);
    EXPECT_NEAR(back.x, 1, 1e-6);
    EXPECT_NEAR(back.y, 0, 1e-6);
}

TEST(ArtMathTest, PeriodicNoiseRepeatsAlongEachAxis) {
    for (int i = 0; i < 50; ++i) {
        const V3 p = samplePoint(i);
        const float n = gradientNoise(p.x, p.y, p.z, 7, 4, 5, 3);
        EXPECT_NEAR(n, gradientNoise(p.x + 4, p.y, p.z, 7, 4, 5, 3), 1e-5f);
        EXPECT_NEAR(n, gradientNoise(p.x, p.y - 5, p.z, 7, 4, 5, 3), 1e-5f);
        EXPECT_NEAR(n, gradientNoise(p.x, p.y, p.z + 3, 7, 4, 5, 3), 1e-5f);
        const float f = fbm(p.x, p.y, p.z, 11, 4, 3, 3, 2);
        EXPECT_NEAR(f, fbm(p.x + 3, p.y + 3, p.z + 2, 11, 4, 3, 3, 2), 1e-5f);
        const Cells c = cellNoise(p.x, p.y, 5, 6, 6, 0.7f, 0.3f);
        EXPECT_NEAR(c.d1, cellNoise(p.x - 6, p.y + 6, 5, 6, 6, 0.7f, 0.3f).d1, 1e-5f);
        EXPECT_NEAR(c.d2, cellNoise(p.x - 6, p.y + 6, 5, 6, 6, 0.7f, 0.3f).d2, 1e-5f);
    }
}

TEST(ArtMathTest, AnimatedCellsCloseTheirLoop) {
    for (int i = 0; i < 50; ++i) {
        const V3 p = samplePoint(i);
        EXPECT_NEAR(cellNoise(p.x, p.y, 5, 6, 6, 0.7f, 0.0f).d1,
                    cellNoise(p.x, p.y, 5, 6, 6, 0.7f, 1.0f).d1, 1e-5f);
    }
}

TEST(ArtMathTest, NoiseWithoutPeriodDoesNotRepeatAndStaysInRange) {
    int repeats = 0;
    for (int i = 0; i < 50; ++i) {
        const V3 p = samplePoint(i);
        const float n = gradientNoise(p.x, p.y, p.z, 7);
        repeats += std::fabs(n - gradientNoise(p.x + 4, p.y, p.z, 7)) < 1e-5f;
        const float f = fbm(p.x, p.y, p.z, 3, 5);
        EXPECT_GE(f, -1.0f);
        EXPECT_LE(f, 1.0f);
    }
    EXPECT_LT(repeats, 5);
}

TEST(ArtMathTest, WrapIndexHandlesNegativeValues) {
    EXPECT_EQ(wrapIndex(-1, 5), 4);
    EXPECT_EQ(wrapIndex(-5, 5), 0);
    EXPECT_EQ(wrapIndex(7, 5), 2);
    EXPECT_EQ(wrapIndex(-3, 0), -3); // no period: unchanged
}

TEST(ArtMathTest, SignedDistancesOfShapes) {
    EXPECT_NEAR(sdCircle({0, 0}, {0, 0}, 2), -2, 1e-6);
    EXPECT_NEAR(sdCircle({3, 4}, {0, 0}, 2), 3, 1e-6);
    EXPECT_NEAR(sdSegment({1, 1}, {0, 0}, {2, 0}), 1, 1e-6);
    EXPECT_NEAR(sdSegment({3, 0}, {0, 0}, {2, 0}), 1, 1e-6);
    EXPECT_NEAR(sdSegment({0, 2}, {0, 0}, {0, 0}), 2, 1e-6); // a dot
    EXPECT_NEAR(sdBox({0, 0}, {0, 0}, {2, 1}, 0), -1, 1e-6);
    EXPECT_NEAR(sdBox({5, 0}, {0, 0}, {2, 1}, 0), 3, 1e-6);
    // Rounded corners pull the corner in.
    EXPECT_GT(sdBox({1.95f, 0.95f}, {0, 0}, {2, 1}, 0.5f), 0);
    EXPECT_LT(sdBox({1.95f, 0.95f}, {0, 0}, {2, 1}, 0), 0);
    const V2 ccw[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const V2 cw[4] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    for (const V2* square : {ccw, cw}) {
        EXPECT_NEAR(sdPolygon({0.5f, 0.5f}, square, 4), -0.5f, 1e-6);
        EXPECT_NEAR(sdPolygon({2, 0.5f}, square, 4), 1, 1e-6);
        EXPECT_NEAR(sdPolygon({0.5f, -0.25f}, square, 4), 0.25f, 1e-6);
    }
    EXPECT_LT(sdEllipse({0.9f, 0}, {0, 0}, {1, 0.2f}), 0);
    EXPECT_GT(sdEllipse({0, 0.3f}, {0, 0}, {1, 0.2f}), 0);
    EXPECT_NEAR(sdEllipse({0, 0.3f}, {0, 0}, {1, 0.2f}), 0.1f, 0.02f);
}
