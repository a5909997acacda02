#include "formats/GvParser.h"

#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbParsingValueCountException.h"
#include "levelpack/GvLevelPack.h"

GvParser::GvParser() = default;

GvParser::~GvParser() = default;

std::unique_ptr<GvLevelPack>
GvParser::parseLines(OrbStream& stream, std::vector<std::string>* messages, bool quoteAware,
                     const std::function<std::unique_ptr<GvLevelPack>()>& body) {
    std::vector<std::string> privateMessages;
    messages_ = messages != nullptr ? messages : &privateMessages;
    reader_ = std::make_unique<OrbLineReader>(stream, ";", quoteAware);
    std::unique_ptr<GvLevelPack> result = runGuarded(*messages_, *reader_, body);
    reader_.reset();
    messages_ = nullptr;
    return result;
}

std::unique_ptr<GvLevelPack>
GvParser::runGuarded(std::vector<std::string>& messages, const OrbLineReader& reader,
                     const std::function<std::unique_ptr<GvLevelPack>()>& body) {
    try {
        return body();
    } catch (const std::string& message) {
        messages.push_back(message);
    } catch (bool) {
    } catch (const OrbParsingSyntaxException&) {
        messages.push_back(GvParserMessage::syntax(reader.lineCount()));
    } catch (const OrbParsingValueCountException&) {
        messages.push_back(GvParserMessage::valueCount(reader.lineCount()));
    } catch (const OrbParsingRangeException& e) {
        messages.push_back(e.index < 0
                               ? GvParserMessage::invalidValue(reader.lineCount())
                               : GvParserMessage::parameter(e.index + 1, reader.lineCount()));
    } catch (const OrbParsingException&) {
        messages.push_back(GvParserMessage::syntax(reader.lineCount()));
    }
    return nullptr;
}

void GvParser::validate(const GvLevelPack& pack) {
    if (pack.caveCount() == 0 || pack.variantCount() <= 0) {
        throw std::string(GvParserMessage::kNoLevels);
    }
    const GvCaveDef& first = *pack.caves.front();
    const GvCaveVariant* firstVariant = first.variant(0);
    if (first.bonus || (firstVariant != nullptr && firstVariant->locked)) {
        throw std::string(GvParserMessage::kFirstLevelNotSelectable);
    }
}

void GvParser::fail(const std::string& first, const std::string& second) {
    messages_->push_back(first);
    messages_->push_back(second);
    throw true;
}

void GvParser::expected(const std::string& what) {
    fail(GvParserMessage::syntax(reader_->lineCount()), GvParserMessage::expectation(what));
}

int GvParser::demoLetterMoves(char letter) {
    switch (letter) {
    case '.':
        return 0;
    case 'u':
        return 1;
    case 'd':
        return 2;
    case 'l':
        return 4;
    case 'r':
        return 8;
    case 'U':
        return 17;
    case 'D':
        return 18;
    case 'L':
        return 20;
    case 'R':
        return 24;
    default:
        return -1;
    }
}
