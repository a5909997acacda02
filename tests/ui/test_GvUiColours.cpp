#include "ui/GvUiColours.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(GvUiColours, BaseValuesAreRaisedToThePowerOnceAndAlphaIsKept) {
    const OrbColor c = GvUiColours::make(0.5f, 0.0f, 1.0f, 0.25f);
    EXPECT_NEAR(c.r, std::pow(0.5, 2.2 / 2.4), 1e-6);
    EXPECT_NEAR(c.r, 0.5297, 1e-4);
    EXPECT_FLOAT_EQ(c.g, 0.0f);
    EXPECT_FLOAT_EQ(c.b, 1.0f);
    EXPECT_FLOAT_EQ(c.a, 0.25f);
    // Out-of-range input cannot produce NaN.
    EXPECT_FLOAT_EQ(GvUiColours::make(-1.0f, 0, 0).r, 0.0f);
}

TEST(GvUiColours, TheTableHoldsConvertedColoursOfEachRole) {
    const GvUiColours& colours = GvUiColours::get();
    EXPECT_EQ(&colours, &GvUiColours::get());
    EXPECT_EQ(colours.label, GvUiColours::make(0.0f, 0.8f, 0.0f));
    EXPECT_EQ(colours.field, GvUiColours::make(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(colours.pushNormal, GvUiColours::make(0.4f, 0.4f, 0.4f));
    EXPECT_EQ(colours.pushDisabledTint, GvUiColours::make(0.7f, 0.7f, 0.7f, 0.25f));
    EXPECT_NEAR(colours.pushDisabledTint.r, 0.7211, 1e-4);
    EXPECT_EQ(colours.linkHot, GvUiColours::make(0.2f, 0.7f, 1.0f));
    EXPECT_EQ(colours.sliderTrack, GvUiColours::make(0.33f, 0.33f, 0.33f));
    EXPECT_EQ(colours.listItemSelected, (OrbColor{1, 1, 1, 1}));
}
