#include "platform/GvInputRecordingIO.h"

#include "platform/OrbMemoryStream.h"
#include "platform/OrbStreamException.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> written(const GvInputRecording& recording) {
    OrbMemoryStream stream;
    GvInputRecordingIO::write(stream, recording);
    return stream.bytes();
}

GvInputRecording readBytes(const std::vector<unsigned char>& bytes) {
    OrbMemoryStream stream(bytes);
    return GvInputRecordingIO::read(stream);
}

} // namespace

TEST(GvInputRecordingIO, LongRunIsSplitAndJoinedAgain) {
    const GvInputRecording recording{{17, 300}};
    const std::vector<unsigned char> bytes = written(recording);
    EXPECT_EQ((std::vector<unsigned char>{3, 255, 3, 45, 0}), bytes);
    EXPECT_EQ(recording, readBytes(bytes));
}

TEST(GvInputRecordingIO, EveryStorableInputRoundTrips) {
    const GvInputRecording recording{{0, 1},   {1, 2},  {17, 3},   {2, 255}, {18, 256},
                                     {4, 510}, {20, 7}, {8, 1000}, {24, 9}};
    EXPECT_EQ(recording, readBytes(written(recording)));
}

TEST(GvInputRecordingIO, EqualNeighboursAreWrittenApartAndReadAsOne) {
    const std::vector<unsigned char> bytes = written({{8, 5}, {8, 7}});
    EXPECT_EQ((std::vector<unsigned char>{8, 5, 8, 7, 0}), bytes);
    EXPECT_EQ((GvInputRecording{{8, 12}}), readBytes(bytes));
}

TEST(GvInputRecordingIO, UnstorableRunsAndEmptyRunsAreLeftOut) {
    // 3 (up and down) and 32 are not inputs a player can give; a run of 0 ticks has no piece.
    EXPECT_EQ((std::vector<unsigned char>{2, 4, 8, 1, 0}),
              written({{1, 4}, {3, 9}, {32, 2}, {2, 0}, {8, 1}}));
    EXPECT_EQ((std::vector<unsigned char>{0}), written({}));
    EXPECT_TRUE(readBytes({0}).empty());
}

TEST(GvInputRecordingIO, DamagedDataThrows) {
    EXPECT_THROW(readBytes({10, 4, 0}), OrbStreamException);
    EXPECT_THROW(readBytes({255, 4, 0}), OrbStreamException);
    EXPECT_THROW(readBytes({}), OrbStreamException);
    EXPECT_THROW(readBytes({2}), OrbStreamException);
    EXPECT_THROW(readBytes({2, 5}), OrbStreamException);
    EXPECT_THROW(readBytes({2, 0, 0}), OrbStreamException);
}

TEST(GvInputRecordingIO, ReadingStopsAtTheTerminator) {
    OrbMemoryStream stream(std::vector<unsigned char>{6, 3, 0, 9, 9});
    EXPECT_EQ((GvInputRecording{{4, 3}}), GvInputRecordingIO::read(stream));
    EXPECT_EQ(3, stream.tell());
}
