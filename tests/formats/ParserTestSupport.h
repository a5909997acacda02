#pragma once

#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Messages = std::vector<std::string>;

// Call objects with which the level-pack reader tests read texts, each call with a
// fresh reader of type P. A test file names them for its reader:
//   constexpr ParseText<GvGrvParser> parse{};
// Reads a text and keeps its messages.
template <typename P> struct ParseText {
    std::unique_ptr<GvLevelPack> operator()(const std::string& text, Messages& messages,
                                            bool headerOnly = false) const {
        OrbMemoryStream stream(text);
        P parser;
        return parser.parse(stream, &messages, headerOnly);
    }
};

// Reads a text that must load without a message.
template <typename P> struct ParseTextOk {
    std::unique_ptr<GvLevelPack> operator()(const std::string& text) const {
        Messages messages;
        auto pack = ParseText<P>()(text, messages);
        EXPECT_NE(nullptr, pack) << text;
        EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages.front());
        return pack;
    }
};

// The messages of a text that must fail; a pack returned as well is a failure.
template <typename P> struct ParseTextErrors {
    Messages operator()(const std::string& text, bool headerOnly = false) const {
        Messages messages;
        EXPECT_EQ(nullptr, ParseText<P>()(text, messages, headerOnly)) << text;
        return messages;
    }
};
