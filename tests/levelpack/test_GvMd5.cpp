#include "levelpack/GvMd5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

static std::string hex(const GvMd5::Digest& digest) {
    std::string text;
    char pair[3];
    for (const std::uint8_t byte : digest) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

static std::string md5Of(const std::string& message) {
    GvMd5 md5;
    md5.update(message.data(), message.size());
    return hex(md5.final());
}

TEST(GvMd5, MatchesTheRfc1321TestSuite) {
    EXPECT_EQ(md5Of(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(md5Of("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(md5Of("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(md5Of("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(md5Of("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(md5Of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(md5Of("1234567890123456789012345678901234567890123456789012345678901234567890"
                    "1234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
}

// Lengths around the padding boundary (55/56 bytes) and the block size, checked
// against digests computed independently.
TEST(GvMd5, PadsMessagesAtEveryBlockBoundary) {
    const std::vector<std::pair<std::size_t, std::string>> known = {
        {55, "52c0e574e1198de5fe3f8f11440dcb1b"}, {56, "46c9907fc908ee68b1e7b8e71286a518"},
        {63, "a62f6d59e837867693f042f5b8f5a236"}, {64, "7160b8fb5e9e4023d549c3971fbaeead"},
        {65, "70bd662e7aefbda85a0f7244167b7897"}, {1000, "10046f077f2082ac19676b8079f1cb1a"}};
    for (const auto& [length, expected] : known) {
        std::string message;
        for (std::size_t i = 0; i < length; ++i) {
            message += static_cast<char>((i * 7 + 3) & 255);
        }
        EXPECT_EQ(md5Of(message), expected) << "length " << length;

        // Fed in uneven pieces the result is the same.
        GvMd5 pieces;
        std::size_t offset = 0;
        for (std::size_t piece = 1; offset < length; ++piece) {
            const std::size_t take = std::min(piece, length - offset);
            pieces.update(message.data() + offset, take);
            offset += take;
        }
        EXPECT_EQ(hex(pieces.final()), expected) << "length " << length << " in pieces";
    }
}

TEST(GvMd5, WritesIntegersBigEndianAndRestartsOnInit) {
    GvMd5 values;
    values.updateInt(0x01020304);
    values.updateInt(-2);
    values.updateByte(0xab);
    const std::uint8_t bytes[] = {1, 2, 3, 4, 0xff, 0xff, 0xff, 0xfe, 0xab};
    GvMd5 raw;
    raw.update(bytes, sizeof bytes);
    EXPECT_EQ(values.final(), raw.final());

    GvMd5 reused;
    reused.update("junk", 4);
    reused.init();
    reused.update("abc", 3);
    EXPECT_EQ(hex(reused.final()), "900150983cd24fb0d6963f7d28e17f72");
}
