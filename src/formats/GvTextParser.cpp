#include "formats/GvTextParser.h"

#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueListSpec.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvKeywordTable.h"

#include <climits>

namespace {

// The frame words in the order of GvTextParser::FrameWord.
constexpr const char* kFrameWords[] = {
    "gravik", "name", "description", "author", "date", "web", "email", "cave", "macro", "}",
};

} // namespace

GvTextParser::GvTextParser(const OrbValueSpec& object, const char* rawAlphabet)
    : object_(object), rawAlphabet_(rawAlphabet) {}

GvTextParser::~GvTextParser() = default;

std::unique_ptr<GvLevelPack>
GvTextParser::parse(OrbStream& stream, std::vector<std::string>* messages, bool headerOnly) {
    pack_ = std::make_unique<GvLevelPack>();
    std::unique_ptr<GvLevelPack> result = parseLines(stream, messages, true, [&] {
        commands_ = std::make_unique<GvCommandBuilder>(object_, rawAlphabet_, *reader_, *messages_);
        std::unique_ptr<GvLevelPack> pack = readPack(headerOnly);
        if (!headerOnly) {
            validate(*pack);
            finishPack(*pack);
        }
        return pack;
    });
    pack_.reset();
    commands_.reset();
    return result;
}

void GvTextParser::finishPack(GvLevelPack&) {}

std::unique_ptr<GvLevelPack> GvTextParser::readPack(bool headerOnly) {
    Line line;
    if (!nextLine(line) || line.frame != FrameWord::version) {
        expected(GvParserMessage::kGravikCommand);
    }
    checkVersion(line.values);
    static const OrbValueListSpec caveSize{
        {OrbValueSpec::integer(4, 100), OrbValueSpec::integer(4, 100)}};
    std::vector<OrbValue> values;
    bool sawCave = false;
    while (nextLine(line)) {
        if (const int text = textIndex(line); text >= 0) {
            textField(*pack_, text) = quotedText(line.values);
        } else if (line.frame == FrameWord::cave || line.frame == FrameWord::macro) {
            if (headerOnly) {
                break;
            }
            if (line.frame == FrameWord::cave) {
                caveSize.parseValues(line.values, ',', values);
                readCave(values[0].integer, values[1].integer);
                sawCave = true;
            } else {
                readMacro(quotedText(line.values));
            }
        } else if (!readPackLine(line, sawCave)) {
            throw OrbParsingSyntaxException();
        }
    }
    return std::move(pack_);
}

bool GvTextParser::nextLine(Line& line) {
    std::string text;
    if (!reader_->readLine(text, true, true)) {
        return false;
    }
    const std::size_t space = text.find(' ');
    line.word = text.substr(0, space);
    line.values = space == std::string::npos ? std::string() : text.substr(space + 1);
    const int frame = keywordTableLookup(kFrameWords, line.word);
    line.frame = frame < 0 ? FrameWord::none : static_cast<FrameWord>(frame);
    line.keyword = frame < 0 ? keywordIndex(line.word) : -1;
    return true;
}

int GvTextParser::textIndex(const Line& line) const {
    return line.frame >= FrameWord::name && line.frame <= FrameWord::email
               ? static_cast<int>(line.frame) - static_cast<int>(FrameWord::name)
               : -1;
}

bool GvTextParser::readDrawingCommand(const Line& line, GvCommandBuilder::CommandList& list) {
    GvCommandBuilder::Command command;
    if (!drawingCommand(line, command)) {
        return false;
    }
    commands_->build(command, line.values, list);
    return true;
}

void GvTextParser::readMacro(const std::string& name) {
    std::unique_ptr<GvCaveDef> macro = commands_->startMacro(name);
    expectOpenBrace();
    Line line;
    for (;;) {
        if (!nextLine(line)) {
            expected(GvParserMessage::kCloseBrace);
        }
        if (line.frame == FrameWord::close_brace) {
            noValues(line.values);
            break;
        }
        if (!readDrawingCommand(line, macro->commands)) {
            throw OrbParsingSyntaxException();
        }
    }
    commands_->addMacro(std::move(macro));
}

std::string GvTextParser::quotedText(const std::string& values) {
    static const OrbValueListSpec text{{OrbValueSpec::quotedString()}};
    std::vector<OrbValue> parsed;
    text.parseValues(values, ',', parsed);
    return parsed[0].text;
}

void GvTextParser::expectOpenBrace() {
    std::string text;
    if (!reader_->readLine(text, true, true) || text != "{") {
        expected(GvParserMessage::kOpenBrace);
    }
}

void GvTextParser::noValues(const std::string& values) {
    if (!values.empty()) {
        throw OrbParsingSyntaxException();
    }
}

void GvTextParser::appendDemoText(const std::string& steps, GvCaveVariant& variant,
                                  bool refuseOverflow) {
    std::size_t at = 0;
    while (at < steps.size()) {
        const int moves = demoLetterMoves(steps[at++]);
        const std::size_t firstDigit = at;
        long long count = 0;
        for (; at < steps.size() && steps[at] >= '0' && steps[at] <= '9'; ++at) {
            count = count * 10 + (steps[at] - '0');
            if (count > INT_MAX) {
                throw OrbParsingSyntaxException();
            }
        }
        if (moves < 0 || at == firstDigit || count < 1) {
            throw OrbParsingSyntaxException();
        }
        if (refuseOverflow && !variant.demo.empty() && variant.demo.back().moves == moves &&
            variant.demo.back().count > INT_MAX - count) {
            throw OrbParsingSyntaxException();
        }
        variant.appendDemoStep(moves, static_cast<int>(count));
    }
}
