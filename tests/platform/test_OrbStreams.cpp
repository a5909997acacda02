#include "platform/OrbCompressedMemoryReadStream.h"
#include "platform/OrbFileStream.h"
#include "platform/OrbMemoryStream.h"
#include "platform/OrbStreamException.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>
#include <zlib.h>

namespace {

std::vector<std::string> allLines(OrbStream& stream) {
    std::vector<std::string> lines;
    std::string line;
    while (stream.readLine(line)) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<unsigned char> compress(const std::string& text) {
    uLongf length = compressBound(text.size());
    std::vector<unsigned char> out(length);
    EXPECT_EQ(Z_OK, compress2(out.data(), &length, reinterpret_cast<const Bytef*>(text.data()),
                              text.size(), 9));
    out.resize(length);
    return out;
}

// A file in the test's temporary folder, removed again afterwards.
class TempFile {
public:
    explicit TempFile(const std::string& name)
        : path_((std::filesystem::temp_directory_path() /
                 ("gravik_stream_test_" + std::to_string(::getpid()) + "_" + name))
                    .string()) {}
    ~TempFile() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace

TEST(OrbStreamReadLine, SplitsAtLfCrAndCrLf) {
    OrbMemoryStream stream(std::string("a\r\nb\rc\n\nd"));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "", "d"}), allLines(stream));
    std::string line = "left over";
    EXPECT_FALSE(stream.readLine(line));
    EXPECT_EQ("", line);
}

TEST(OrbStreamReadLine, EmptyAndOneByteStreams) {
    OrbMemoryStream empty;
    std::string line;
    EXPECT_FALSE(empty.readLine(line));

    OrbMemoryStream one(std::string("x"));
    EXPECT_TRUE(one.readLine(line));
    EXPECT_EQ("x", line);
    EXPECT_FALSE(one.readLine(line));
}

TEST(OrbStreamReadLine, KeepsZeroBytesAndEndsAfterTrailingTerminator) {
    OrbMemoryStream stream(std::string("a\0b\n", 4));
    std::string line;
    ASSERT_TRUE(stream.readLine(line));
    EXPECT_EQ(std::string("a\0b", 3), line);
    // The terminator of the last line does not start another, empty line.
    EXPECT_FALSE(stream.readLine(line));
}

TEST(OrbCompressedMemoryReadStream, InflatesAndReads) {
    const std::string text = "gravik 3\r\nname \"x\"\n";
    const std::vector<unsigned char> packed = compress(text);
    OrbCompressedMemoryReadStream stream(static_cast<int>(text.size()), packed.data(),
                                         static_cast<int>(packed.size()));
    EXPECT_EQ(static_cast<int>(text.size()), stream.size());
    EXPECT_EQ('g', stream.peekByte());
    EXPECT_EQ(0, stream.tell());
    EXPECT_EQ((std::vector<std::string>{"gravik 3", "name \"x\""}), allLines(stream));
    EXPECT_EQ(-1, stream.getByte());
    EXPECT_EQ(-1, stream.peekByte());

    stream.seek(2);
    char buffer[3] = {};
    EXPECT_TRUE(stream.read(buffer, 3));
    EXPECT_EQ("avi", std::string(buffer, 3));
    EXPECT_EQ(5, stream.tell());
    stream.seek(static_cast<int>(text.size()) - 2);
    EXPECT_FALSE(stream.read(buffer, 2));
}

TEST(OrbCompressedMemoryReadStream, ReadPastEndThrowsAndKeepsPosition) {
    const std::string text = "abcdef";
    const std::vector<unsigned char> packed = compress(text);
    OrbCompressedMemoryReadStream stream(6, packed.data(), static_cast<int>(packed.size()));
    stream.seek(4);
    char buffer[8];
    EXPECT_THROW(stream.read(buffer, 3), OrbStreamException);
    EXPECT_EQ(4, stream.tell());
    EXPECT_EQ('e', stream.getByte());
}

TEST(OrbCompressedMemoryReadStream, IsReadOnly) {
    const std::vector<unsigned char> packed = compress("abc");
    OrbCompressedMemoryReadStream stream(3, packed.data(), static_cast<int>(packed.size()));
    EXPECT_THROW(stream.write("x", 1), OrbStreamException);
    EXPECT_THROW(stream.putByte('x'), OrbStreamException);
    EXPECT_THROW(stream.flush(), OrbStreamException);
    EXPECT_EQ('a', stream.getByte());
}

TEST(OrbCompressedMemoryReadStream, DamagedOrWronglySizedDataThrows) {
    const std::string text = "some text that compresses";
    std::vector<unsigned char> packed = compress(text);
    const int size = static_cast<int>(text.size());
    const int packedSize = static_cast<int>(packed.size());
    // Too small a buffer, and a stream that inflates to less than promised.
    EXPECT_THROW(OrbCompressedMemoryReadStream(size - 1, packed.data(), packedSize),
                 OrbStreamException);
    EXPECT_THROW(OrbCompressedMemoryReadStream(size + 1, packed.data(), packedSize),
                 OrbStreamException);
    EXPECT_THROW(OrbCompressedMemoryReadStream(0, packed.data(), packedSize), OrbStreamException);
    // Truncated data, and a flipped byte caught by the checksum.
    EXPECT_THROW(OrbCompressedMemoryReadStream(size, packed.data(), packedSize - 3),
                 OrbStreamException);
    packed[packed.size() / 2] ^= 0x55;
    EXPECT_THROW(OrbCompressedMemoryReadStream(size, packed.data(), packedSize),
                 OrbStreamException);
}

TEST(OrbCompressedMemoryReadStream, NegativeSeekThrowsInsteadOfReadingBeforeTheData) {
    const std::vector<unsigned char> packed = compress("abc");
    OrbCompressedMemoryReadStream stream(3, packed.data(), static_cast<int>(packed.size()));
    EXPECT_THROW(stream.seek(-1), OrbStreamException);
    stream.seek(10);
    EXPECT_EQ(-1, stream.getByte());
    std::string line;
    EXPECT_FALSE(stream.readLine(line));
}

TEST(OrbMemoryStream, WritesGrowTheBufferAndReadBack) {
    OrbMemoryStream stream;
    EXPECT_EQ(3, stream.write("abc", 3));
    EXPECT_EQ('d', stream.putByte('d' + 256));
    stream.seek(6);
    stream.putByte('z');
    EXPECT_EQ(7, stream.size());
    stream.seek(0);
    char buffer[7];
    EXPECT_FALSE(stream.read(buffer, 7));
    EXPECT_EQ(std::string("abcd\0\0z", 7), std::string(buffer, 7));
}

TEST(OrbFileStream, OpenFailuresReturnNull) {
    EXPECT_EQ(nullptr, OrbFileStream::open("", false));
    EXPECT_EQ(nullptr, OrbFileStream::open("", true));
    EXPECT_EQ(nullptr, OrbFileStream::open("/nonexistent-folder-for-gravik/x.grv", false));
    EXPECT_EQ(nullptr, OrbFileStream::open("/nonexistent-folder-for-gravik/x.grv", true));
}

TEST(OrbFileStream, WriteThenReadBack) {
    TempFile file("rw");
    {
        auto out = OrbFileStream::open(file.path(), true);
        ASSERT_NE(nullptr, out);
        EXPECT_TRUE(out->isWriting());
        EXPECT_EQ(4, out->write("ab\r\n", 4));
        EXPECT_EQ(0x34, out->putByte(0x1234));
        EXPECT_EQ(0, out->flush());
        EXPECT_EQ(5, out->size());
        EXPECT_EQ(5, out->tell());
    }
    auto in = OrbFileStream::open(file.path(), false);
    ASSERT_NE(nullptr, in);
    EXPECT_EQ(5, in->size());
    EXPECT_EQ('a', in->peekByte());
    EXPECT_EQ(0, in->tell());
    EXPECT_EQ((std::vector<std::string>{"ab", "4"}), allLines(*in));
    EXPECT_EQ(-1, in->getByte());
    EXPECT_EQ(-1, in->peekByte());

    in->seek(1);
    char buffer[4];
    EXPECT_TRUE(in->read(buffer, 4));
    EXPECT_EQ(5, in->tell());
    in->seek(3);
    EXPECT_THROW(in->read(buffer, 4), OrbStreamException);
}

TEST(OrbFileStream, FailedOperationsThrow) {
    TempFile file("ro");
    {
        auto out = OrbFileStream::open(file.path(), true);
        ASSERT_NE(nullptr, out);
        out->write("xyz", 3);
    }
    auto in = OrbFileStream::open(file.path(), false);
    ASSERT_NE(nullptr, in);
    EXPECT_FALSE(in->isWriting());
    EXPECT_THROW(in->write("a", 1), OrbStreamException);
    EXPECT_THROW(in->putByte('a'), OrbStreamException);
    EXPECT_THROW(in->seek(-5), OrbStreamException);
    // Opening for writing truncates.
    auto again = OrbFileStream::open(file.path(), true);
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(0, again->size());
}
