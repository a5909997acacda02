#include "formats/GvTextParser.h"

#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueListSpec.h"
#include "formats/OrbValueStringTableHolder.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvKeywordTable.h"
#include "sim/GvPhysics.h"
#include "sim/GvPresentation.h"
#include "sim/GvWrapMode.h"

#include <climits>
#include <cmath>

namespace {

// The frame words in the order of GvTextParser::FrameWord.
constexpr const char* kFrameWords[] = {
    "gravik", "name",  "description", "author",  "date", "web",          "email",
    "cave",   "macro", "}",           "physics", "wrap", "intermission",
};

// Both formats name the wrap modes alike.
const OrbValueListSpec& wrapValues() {
    static const OrbValueStringTable<GvWrapMode> table =
        OrbValueStringTable<GvWrapMode>::fromKeywords(kWrapModeKeywords, GvWrapMode::none);
    static const OrbValueListSpec spec{{OrbValueSpec::enumName(OrbValueStringTableHolder(table))}};
    return spec;
}

} // namespace

GvTextParser::GvTextParser(const Names& names) : names_(names) {}

GvTextParser::~GvTextParser() = default;

std::unique_ptr<GvLevelPack>
GvTextParser::parse(OrbStream& stream, std::vector<std::string>* messages, bool headerOnly) {
    pack_ = std::make_unique<GvLevelPack>();
    std::unique_ptr<GvLevelPack> result = parseLines(stream, messages, true, [&] {
        commands_ = std::make_unique<GvCommandBuilder>(names_.object, names_.rawAlphabet, *reader_,
                                                       *messages_);
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
    if (!reader_->readLine(text_, true, true)) {
        return false;
    }
    const std::size_t space = text_.find(' ');
    line.word.assign(text_, 0, space);
    if (space == std::string::npos) {
        line.values.clear();
    } else {
        line.values.assign(text_, space + 1);
    }
    const int frame = keywordTableLookup(kFrameWords, line.word);
    line.frame = frame < 0 ? FrameWord::none : static_cast<FrameWord>(frame);
    line.keyword = frame < 0 ? names_.keywords.lookup(line.word) : -1;
    return true;
}

bool GvTextParser::nextBlockLine(Line& line) {
    if (!nextLine(line)) {
        expected(GvParserMessage::kCloseBrace);
    }
    if (line.frame == FrameWord::close_brace) {
        noValues(line.values);
        return false;
    }
    return true;
}

bool GvTextParser::readCaveLine(const Line& line, GvCaveDef& cave) {
    std::vector<OrbValue> values;
    switch (line.frame) {
    case FrameWord::physics:
        names_.physics.parseValues(line.values, ',', values);
        cave.physics = static_cast<GvPhysics>(values[0].code);
        return true;
    case FrameWord::wrap:
        wrapValues().parseValues(line.values, ',', values);
        cave.wrap = static_cast<GvWrapMode>(values[0].code);
        return true;
    case FrameWord::intermission:
        noValues(line.values);
        cave.view = GvPresentation::full;
        cave.bonus = true;
        return true;
    default:
        if (const int text = textIndex(line); text >= 0) {
            textField(cave, text) = quotedText(line.values);
            return true;
        }
        return false;
    }
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
    while (nextBlockLine(line)) {
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

int GvTextParser::permeability(float fraction) {
    return static_cast<int>(std::floor(static_cast<double>(fraction) * 65536.0 + 0.5));
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
