#pragma once

#include "platform/OrbUncopyable.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class GvLevelPack;
class OrbLineReader;
class OrbStream;

// A reader of one level-pack format. A parser lives for one load only. On
// failure it appends the messages of the first error it met to `messages` (when
// given) and returns null; nothing of the half-read pack survives.
class GvParser : public OrbUncopyable {
public:
    GvParser();
    virtual ~GvParser();
    // With `headerOnly`, reading stops at the first cave and the pack holds only
    // its header; such a pack is not checked for levels.
    virtual std::unique_ptr<GvLevelPack>
    parse(OrbStream& stream, std::vector<std::string>* messages, bool headerOnly) = 0;

protected:
    // Opens `stream` as the current line reader (with ";" comments, `quoteAware` as
    // the format's texts need) and runs `body` under runGuarded. The reader and the
    // message list are gone again when it returns.
    std::unique_ptr<GvLevelPack>
    parseLines(OrbStream& stream, std::vector<std::string>* messages, bool quoteAware,
               const std::function<std::unique_ptr<GvLevelPack>()>& body);

    // The checks a fully loaded pack must pass; throws the message as a string.
    static void validate(const GvLevelPack& pack);

    // Adds a positional message and its explanation and ends the parse.
    [[noreturn]] void fail(const std::string& first, const std::string& second);
    // The syntax message for the current line and "Expected <what>.".
    [[noreturn]] void expected(const std::string& what);

    // The input bits of a move letter in a demo (".", "udlr", and "UDLR" for a
    // snap), or -1.
    static int demoLetterMoves(char letter);

    std::unique_ptr<OrbLineReader> reader_;
    std::vector<std::string>* messages_ = nullptr;

private:
    // Runs `body` and turns what it throws into messages: a std::string is a whole
    // message, a bool means the messages are already in the list, and the parsing
    // exceptions become the positional messages for the reader's current line.
    static std::unique_ptr<GvLevelPack>
    runGuarded(std::vector<std::string>& messages, const OrbLineReader& reader,
               const std::function<std::unique_ptr<GvLevelPack>()>& body);
};
