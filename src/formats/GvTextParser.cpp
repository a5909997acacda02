#include "formats/GvTextParser.h"

#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueListSpec.h"
#include "levelpack/GvLevelPack.h"

#include <climits>

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

bool GvTextParser::nextWords(std::string& keyword, std::string& values) {
    if (!reader_->readLine(line_, true, true)) {
        return false;
    }
    const std::size_t space = line_.find(' ');
    keyword.assign(line_, 0, space);
    if (space == std::string::npos) {
        values.clear();
    } else {
        values.assign(line_, space + 1);
    }
    return true;
}

bool GvTextParser::readDrawingCommand(const std::string& keyword, const std::string& values,
                                      GvCommandBuilder::CommandList& list) {
    GvCommandBuilder::Command command;
    if (!drawingCommand(keyword, command)) {
        return false;
    }
    commands_->build(command, values, list);
    return true;
}

void GvTextParser::readMacro(const std::string& name) {
    std::unique_ptr<GvCaveDef> macro = commands_->startMacro(name);
    expectOpenBrace();
    std::string keyword;
    std::string values;
    for (;;) {
        if (!nextWords(keyword, values)) {
            expected(GvParserMessage::kCloseBrace);
        }
        if (keyword == "}") {
            noValues(values);
            break;
        }
        if (!readDrawingCommand(keyword, values, macro->commands)) {
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
