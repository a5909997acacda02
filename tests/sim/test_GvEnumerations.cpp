#include "sim/GvPackedObjectType.h"
#include "sim/GvPhysics.h"
#include "sim/GvPresentation.h"
#include "sim/GvWrapMode.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

TEST(GvPackedObjectType, KeywordsRoundTripIgnoringCase) {
    for (int value = 0; value < kPackedObjectTypeCount; ++value) {
        const auto type = GvPackedObjectType(value);
        std::string word = packedObjectKeyword(type);
        for (char& c : word)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(packedObjectTypeFromKeyword(word), type) << word;
    }
    EXPECT_STREQ(packedObjectKeyword(GvPackedObjectType::in_box), "in_box");
    EXPECT_STREQ(packedObjectKeyword(GvPackedObjectType::voodoo_doll), "voodoo_doll");
    EXPECT_EQ(packedObjectTypeFromKeyword("Firefly_D"), GvPackedObjectType::firefly_d);
    EXPECT_EQ(int(*packedObjectTypeFromKeyword("none")), 27);
}

TEST(GvPackedObjectType, UnknownWordsAndValuesAreRejected) {
    EXPECT_FALSE(packedObjectTypeFromKeyword("").has_value());
    EXPECT_FALSE(packedObjectTypeFromKeyword("boulder_").has_value());
    EXPECT_FALSE(packedObjectTypeFromKeyword("boulde").has_value());
    EXPECT_FALSE(packedObjectTypeFromKeyword("growing wall").has_value());
    EXPECT_STREQ(packedObjectKeyword(GvPackedObjectType(99)), "none");
    EXPECT_STREQ(packedObjectKeyword(GvPackedObjectType(-1)), "none");
}

TEST(GvEnumerations, SmallKeywordTables) {
    EXPECT_EQ(physicsFromKeyword("RETRO"), GvPhysics::retro);
    EXPECT_EQ(physicsFromKeyword("gravik_1"), GvPhysics::gravik_1);
    EXPECT_FALSE(physicsFromKeyword("gravik").has_value());
    EXPECT_STREQ(physicsKeyword(GvPhysics::retro), "retro");

    EXPECT_EQ(wrapModeFromKeyword("Stepped"), GvWrapMode::stepped);
    EXPECT_EQ(wrapModeFromKeyword("none"), GvWrapMode::none);
    EXPECT_EQ(int(*wrapModeFromKeyword("all")), 3);
    EXPECT_FALSE(wrapModeFromKeyword("both").has_value());
    EXPECT_STREQ(wrapModeKeyword(GvWrapMode::vertical), "vertical");

    EXPECT_EQ(presentationFromKeyword("FULL"), GvPresentation::full);
    EXPECT_FALSE(presentationFromKeyword("fixed").has_value());
    EXPECT_STREQ(presentationKeyword(GvPresentation::scrolling), "scrolling");
}
