#include "formats/OrbValueListSpec.h"

#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbParsingValueCountException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueStringTableHolder.h"
#include "sim/GvPackedObjectType.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

const OrbValueStringTable<GvPackedObjectType>& objectTable() {
    static const auto table = OrbValueStringTable<GvPackedObjectType>::fromKeywords(
        kPackedObjectKeywords, GvPackedObjectType::none);
    return table;
}

std::vector<OrbValue> parse(const OrbValueListSpec& spec, const std::string& text) {
    std::vector<OrbValue> values;
    spec.parseValues(text, ',', values);
    return values;
}

// The 0-based index a range error names, or -2 when none was thrown.
int rangeIndex(const OrbValueListSpec& spec, const std::string& text) {
    try {
        parse(spec, text);
    } catch (const OrbParsingRangeException& e) {
        return e.index;
    }
    return -2;
}

OrbValueListSpec integers(int count) {
    return OrbValueListSpec(
        std::vector<OrbValueSpec>(static_cast<std::size_t>(count), OrbValueSpec::integer(0, 9)));
}

} // namespace

TEST(OrbValueListSpec, CountsOfExactRepeatingAndStrictTailSpecs) {
    const OrbValueListSpec exact = integers(3);
    EXPECT_NO_THROW(parse(exact, "1,2,3"));
    EXPECT_THROW(parse(exact, "1,2"), OrbParsingValueCountException);
    EXPECT_THROW(parse(exact, "1,2,3,4"), OrbParsingValueCountException);
    EXPECT_THROW(parse(exact, ""), OrbParsingValueCountException);

    const OrbValueListSpec oneToNine({OrbValueSpec::integer(0, 9)}, 1, 1, 9);
    EXPECT_EQ(1u, parse(oneToNine, "5").size());
    EXPECT_EQ(9u, parse(oneToNine, "1,2,3,4,5,6,7,8,9").size());
    EXPECT_THROW(parse(oneToNine, "1,2,3,4,5,6,7,8,9,0"), OrbParsingValueCountException);
    EXPECT_THROW(parse(oneToNine, ""), OrbParsingValueCountException);

    // Five values, then pairs: 5, 7, ... 517.
    const OrbValueListSpec pairs({OrbValueSpec::integer(), OrbValueSpec::integer(),
                                  OrbValueSpec::integer(), OrbValueSpec::integer(),
                                  OrbValueSpec::integer(), OrbValueSpec::integer(),
                                  OrbValueSpec::integer(0, 255)},
                                 2, 0, 256, true);
    EXPECT_EQ(5, pairs.minCount());
    EXPECT_EQ(517, pairs.maxCount());
    const auto listOf = [](int n) {
        std::string text = "0";
        for (int i = 1; i < n; ++i) {
            text += ",1";
        }
        return text;
    };
    EXPECT_NO_THROW(parse(pairs, listOf(5)));
    EXPECT_NO_THROW(parse(pairs, listOf(7)));
    EXPECT_NO_THROW(parse(pairs, listOf(517)));
    EXPECT_THROW(parse(pairs, listOf(4)), OrbParsingValueCountException);
    EXPECT_THROW(parse(pairs, listOf(6)), OrbParsingValueCountException);
    EXPECT_THROW(parse(pairs, listOf(519)), OrbParsingValueCountException);
    // The repeating tail reuses the last two specs: the threshold range applies to
    // value 9 as it does to value 7.
    EXPECT_EQ(8, rangeIndex(pairs, "0,0,0,0,0,0,1,0,256"));
}

TEST(OrbValueListSpec, IntegerForms) {
    const OrbValueListSpec spec({OrbValueSpec::integer()});
    EXPECT_EQ(12, parse(spec, " 12 ")[0].integer);
    EXPECT_EQ(-7, parse(spec, "-7")[0].integer);
    EXPECT_EQ(7, parse(spec, "+7")[0].integer);
    EXPECT_EQ(INT_MIN, parse(spec, "-2147483648")[0].integer);
    EXPECT_EQ(INT_MAX, parse(spec, "2147483647")[0].integer);
    for (const char* bad : {"12a", "1.5", "a", "-", "1 2", "0x10", "\"1\""}) {
        EXPECT_THROW(parse(spec, bad), OrbParsingSyntaxException) << bad;
    }
    // Too many digits for an int is a value out of range, whatever its length.
    EXPECT_EQ(0, rangeIndex(spec, "2147483648"));
    EXPECT_EQ(0, rangeIndex(spec, "-2147483649"));
    EXPECT_EQ(0, rangeIndex(spec, std::string(5000, '9')));
}

TEST(OrbValueListSpec, RealForms) {
    const OrbValueListSpec spec({OrbValueSpec::real(0, 999)});
    EXPECT_FLOAT_EQ(2.5f, parse(spec, " 2.5 ")[0].real);
    EXPECT_FLOAT_EQ(100.0f, parse(spec, "1e2")[0].real);
    EXPECT_FLOAT_EQ(0.5f, parse(spec, ".5")[0].real);
    EXPECT_THROW(parse(spec, "2.5x"), OrbParsingSyntaxException);
    EXPECT_THROW(parse(spec, " "), OrbParsingSyntaxException);
    EXPECT_EQ(0, rangeIndex(spec, "1000"));
    EXPECT_EQ(0, rangeIndex(spec, "-0.1"));
    // Values no range can hold, and "not a number", are refused rather than stored.
    EXPECT_EQ(0, rangeIndex(spec, "1e60"));
    EXPECT_EQ(0, rangeIndex(spec, "nan"));
    EXPECT_EQ(0, rangeIndex(spec, "inf"));
    EXPECT_EQ(0, rangeIndex(spec, std::string(400, '9')));
}

TEST(OrbValueListSpec, QuotedStringsAndSplitting) {
    const OrbValueListSpec two({OrbValueSpec::quotedString(), OrbValueSpec::quotedString()});
    const auto values = parse(two, "\"a, b\" , \"\"");
    EXPECT_EQ("a, b", values[0].text);
    EXPECT_EQ("", values[1].text);
    const OrbValueListSpec one({OrbValueSpec::quotedString()});
    for (const char* bad : {"\"", "abc", "\"abc", "abc\"", "\"a\"b\"", "\"a\" x"}) {
        EXPECT_THROW(parse(one, bad), OrbParsingSyntaxException) << bad;
    }
    EXPECT_EQ((std::vector<std::string>{"a", "\"b,c\"", ""}),
              OrbValueListSpec::split(" a ,\t\"b,c\" , ", ','));
    EXPECT_TRUE(OrbValueListSpec::split("", ',').empty());
}

TEST(OrbValueListSpec, EnumNamesIgnoreCaseAndNameTheirType) {
    const OrbValueListSpec strict(
        {OrbValueSpec::enumName(OrbValueStringTableHolder(objectTable()))});
    const OrbValue diamond = parse(strict, "Diamond")[0];
    EXPECT_EQ(static_cast<int>(GvPackedObjectType::diamond), diamond.code);
    EXPECT_EQ(typeid(GvPackedObjectType), *diamond.enumType);
    EXPECT_EQ(static_cast<int>(GvPackedObjectType::voodoo_doll),
              parse(strict, "VOODOO_DOLL")[0].code);
    EXPECT_EQ(0, rangeIndex(strict, "diamonds"));

    const OrbValueListSpec lenient(
        {OrbValueSpec::enumName(OrbValueStringTableHolder(objectTable()), false)});
    EXPECT_EQ(static_cast<int>(GvPackedObjectType::none), parse(lenient, "emerald")[0].code);
}

TEST(OrbValueListSpec, RangeErrorNamesThePositionOfTheValue) {
    const OrbValueListSpec five = integers(5);
    EXPECT_EQ(4, rangeIndex(five, "1,2,3,4,10"));
    EXPECT_EQ(0, rangeIndex(five, "-1,2,3,4,5"));
    EXPECT_EQ(-2, rangeIndex(five, "0,9,0,9,0"));
    // A copied spec keeps its table.
    const OrbValueSpec original = OrbValueSpec::enumName(OrbValueStringTableHolder(objectTable()));
    OrbValueSpec copy = OrbValueSpec::integer();
    copy = original;
    EXPECT_EQ(1, rangeIndex(OrbValueListSpec({copy, copy}), "dirt, mud"));
}
