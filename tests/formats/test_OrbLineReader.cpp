#include "formats/OrbLineReader.h"

#include "platform/OrbMemoryStream.h"

#include <gtest/gtest.h>

TEST(OrbLineReader, StripsCommentsOutsideQuotesAndTrims) {
    OrbMemoryStream stream(
        std::string("  name \"a;b\" ; note\r\n\t set 1 ;x\n; only\n\"x\" \"y;\" ;z\n"));
    OrbLineReader reader(stream, ";", true);
    std::string line;
    ASSERT_TRUE(reader.readLine(line, true, true));
    EXPECT_EQ("name \"a;b\"", line);
    ASSERT_TRUE(reader.readLine(line, true, true));
    EXPECT_EQ("set 1", line);
    ASSERT_TRUE(reader.readLine(line, true, true));
    EXPECT_EQ("\"x\" \"y;\"", line);
    EXPECT_EQ(4, reader.lineCount());
    EXPECT_FALSE(reader.readLine(line, true, true));
    EXPECT_EQ(4, reader.lineCount());
}

TEST(OrbLineReader, WithoutQuoteAwarenessTheFirstMarkerCuts) {
    OrbMemoryStream stream(std::string("Name=\"a;b\"\n"));
    OrbLineReader reader(stream, ";", false);
    std::string line;
    ASSERT_TRUE(reader.readLine(line, true, false));
    EXPECT_EQ("Name=\"a", line);
}

TEST(OrbLineReader, CountsEveryPhysicalLineIncludingSkippedOnes) {
    OrbMemoryStream stream(std::string("\n   \n; c\n\r\nword\n\nlast"));
    OrbLineReader reader(stream, ";", true);
    std::string line;
    ASSERT_TRUE(reader.readLine(line, true, true));
    EXPECT_EQ("word", line);
    EXPECT_EQ(5, reader.lineCount());
    ASSERT_TRUE(reader.readLine(line, true, false));
    EXPECT_EQ("", line);
    EXPECT_EQ(6, reader.lineCount());
    ASSERT_TRUE(reader.readLine(line, false, false));
    EXPECT_EQ("last", line);
    EXPECT_FALSE(reader.readLine(line, true, true));
    EXPECT_EQ(7, reader.lineCount());
}

TEST(OrbLineReader, UnstrippedLinesKeepEverything) {
    OrbMemoryStream stream(std::string(" a ; b \n"));
    OrbLineReader reader(stream, ";", true);
    std::string line;
    ASSERT_TRUE(reader.readLine(line, false, true));
    EXPECT_EQ(" a ; b ", line);
}
