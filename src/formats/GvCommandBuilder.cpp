#include "formats/GvCommandBuilder.h"

#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingRangeException.h"
#include "formats/OrbValue.h"
#include "levelpack/GvCmdFiller.h"
#include "levelpack/GvCmdLine.h"
#include "levelpack/GvCmdParasite.h"
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectDot.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdRectLine.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvCmdStyle.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvKeywordTable.h"
#include "sim/GvPackedObjectType.h"

namespace {

constexpr const char* kDirtColours[] = {"brown", "dark_brown", "yellow", "purple",
                                        "blue",  "grey",       "green",  "orange"};
constexpr const char* kWallColours[] = {"white", "dark_brown", "dark_cyan", "blue", "red"};
constexpr const char* kBoxColours[] = {"dark_grey", "grey",       "light_brown", "purple",
                                       "pale_pink", "light_blue", "red"};

// The colour index of a word for an object; -2 when the object has no colours,
// -1 when the word is not one of them.
int colourIndex(GvPackedObjectType object, const std::string& word) {
    switch (object) {
    case GvPackedObjectType::dirt:
        return keywordTableLookup(kDirtColours, word);
    case GvPackedObjectType::in_box:
    case GvPackedObjectType::out_box:
    case GvPackedObjectType::steel_wall:
        return keywordTableLookup(kBoxColours, word);
    case GvPackedObjectType::brick_wall:
    case GvPackedObjectType::magic_wall:
    case GvPackedObjectType::growing_wall:
    case GvPackedObjectType::growing_wall_h:
    case GvPackedObjectType::growing_wall_v:
        return keywordTableLookup(kWallColours, word);
    default:
        return -2;
    }
}

GvPackedObjectType objectOf(const OrbValue& value) {
    return static_cast<GvPackedObjectType>(value.code);
}

// Fills and rectangles need their corners in order: x2 is value 3, y2 value 4.
void requireOrderedCorners(const std::vector<OrbValue>& values) {
    if (values[2].integer < values[0].integer) {
        throw OrbParsingRangeException(2);
    }
    if (values[3].integer < values[1].integer) {
        throw OrbParsingRangeException(3);
    }
}

OrbValueSpec position() {
    return OrbValueSpec::integer(-1000, 1000);
}

OrbValueSpec count() {
    return OrbValueSpec::integer(1, 1000);
}

} // namespace

GvCommandBuilder::GvCommandBuilder(const OrbValueSpec& object, const char* rawAlphabet,
                                   const OrbLineReader& reader, std::vector<std::string>& messages)
    : reader_(reader), messages_(messages), rawAlphabet_(rawAlphabet),
      macros_(std::make_unique<GvLevelPack>()), set_({position(), position(), object}),
      line_({position(), position(), position(), position(), object}),
      rectFill_({position(), position(), position(), position(), object, object}, 1, 0, 1),
      rectDot_({position(), position(), count(), count(), count(), count(), object}),
      randomFill_({position(), position(), position(), position(), object, object,
                   OrbValueSpec::integer(0, 255)},
                  2, 0, 256, true),
      parasite_(
          {position(), position(), position(), position(), object, position(), position(), object}),
      raw_({position(), position(), OrbValueSpec::quotedString()}), filler_({object}),
      style_({object, OrbValueSpec::freeWord()}),
      call_({OrbValueSpec::quotedString(), position(), position()}, 2, 0, 1, true) {}

GvCommandBuilder::~GvCommandBuilder() = default;

int GvCommandBuilder::rawCode(char c) const {
    const std::size_t at = rawAlphabet_.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

void GvCommandBuilder::append(CommandList& list, std::unique_ptr<GvCaveCommand> command) {
    if (++commandCount_ > kMaxCommands) {
        throw GvParserMessage::tooManyCommands(reader_.lineCount());
    }
    list.push_back(std::move(command));
}

std::unique_ptr<GvCaveDef> GvCommandBuilder::startMacro(const std::string& name) const {
    if (macros_->findCaveByName(name) != nullptr) {
        throw GvParserMessage::duplicateMacro(reader_.lineCount());
    }
    std::unique_ptr<GvCaveDef> macro = macros_->makeCave(40, 22);
    macro->name = name;
    return macro;
}

void GvCommandBuilder::addMacro(std::unique_ptr<GvCaveDef> macro) {
    macros_->caves.push_back(std::move(macro));
}

void GvCommandBuilder::call(const std::vector<OrbValue>& v, CommandList& list) {
    const GvCaveDef* macro = macros_->findCaveByName(v[0].text);
    if (macro == nullptr) {
        throw GvParserMessage::missingMacro(reader_.lineCount());
    }
    if (commandCount_ + static_cast<long long>(macro->commands.size()) > kMaxCommands) {
        throw GvParserMessage::tooManyCommands(reader_.lineCount());
    }
    for (const auto& command : macro->commands) {
        std::unique_ptr<GvCaveCommand> copy = command->clone();
        if (v.size() == 3) {
            copy->translate(v[1].integer, v[2].integer);
        }
        append(list, std::move(copy));
    }
}

void GvCommandBuilder::build(Command command, const std::string& values, CommandList& list) {
    std::vector<OrbValue> v;
    switch (command) {
    case Command::set:
        set_.parseValues(values, ',', v);
        append(list, std::make_unique<GvCmdSet>(v[0].integer, v[1].integer, objectOf(v[2])));
        return;
    case Command::line:
        line_.parseValues(values, ',', v);
        append(list, std::make_unique<GvCmdLine>(v[0].integer, v[1].integer, v[2].integer,
                                                 v[3].integer, objectOf(v[4])));
        return;
    case Command::rect_line:
        line_.parseValues(values, ',', v);
        requireOrderedCorners(v);
        append(list, std::make_unique<GvCmdRectLine>(v[0].integer, v[1].integer, v[2].integer,
                                                     v[3].integer, objectOf(v[4])));
        return;
    case Command::rect_fill: {
        rectFill_.parseValues(values, ',', v);
        requireOrderedCorners(v);
        const GvPackedObjectType border = objectOf(v[4]);
        append(list, std::make_unique<GvCmdRectFill>(v[0].integer, v[1].integer, v[2].integer,
                                                     v[3].integer, border,
                                                     v.size() > 5 ? objectOf(v[5]) : border));
        return;
    }
    case Command::rect_dot:
        rectDot_.parseValues(values, ',', v);
        append(list, std::make_unique<GvCmdRectDot>(v[0].integer, v[1].integer, v[2].integer,
                                                    v[3].integer, v[4].integer, v[5].integer,
                                                    objectOf(v[6])));
        return;
    case Command::random_fill: {
        randomFill_.parseValues(values, ',', v);
        requireOrderedCorners(v);
        std::vector<GvCmdRandomFill::Entry> entries;
        for (std::size_t i = 5; i + 1 < v.size(); i += 2) {
            entries.push_back({objectOf(v[i]), static_cast<std::uint8_t>(v[i + 1].integer)});
        }
        append(list,
               std::make_unique<GvCmdRandomFill>(v[0].integer, v[1].integer, v[2].integer,
                                                 v[3].integer, objectOf(v[4]), std::move(entries)));
        return;
    }
    case Command::parasite:
        parasite_.parseValues(values, ',', v);
        requireOrderedCorners(v);
        append(list, std::make_unique<GvCmdParasite>(v[0].integer, v[1].integer, v[2].integer,
                                                     v[3].integer, objectOf(v[4]), v[5].integer,
                                                     v[6].integer, objectOf(v[7])));
        return;
    case Command::raw: {
        raw_.parseValues(values, ',', v);
        std::vector<GvPackedObjectType> objects;
        objects.reserve(v[2].text.size());
        for (const char c : v[2].text) {
            const int code = rawCode(c);
            if (code < 0) {
                throw GvParserMessage::objectCharacter(c, reader_.lineCount());
            }
            objects.push_back(static_cast<GvPackedObjectType>(code));
        }
        append(list, std::make_unique<GvCmdRaw>(v[0].integer, v[1].integer, std::move(objects)));
        return;
    }
    case Command::filler:
        filler_.parseValues(values, ',', v);
        append(list, std::make_unique<GvCmdFiller>(objectOf(v[0])));
        return;
    case Command::style: {
        style_.parseValues(values, ',', v);
        const int colour = colourIndex(objectOf(v[0]), v[1].text);
        if (colour == -2) {
            messages_.push_back(GvParserMessage::invalidValue(reader_.lineCount()));
            messages_.push_back(GvParserMessage::kNoStyles);
            throw true;
        }
        if (colour < 0) {
            throw OrbParsingRangeException();
        }
        append(list, std::make_unique<GvCmdStyle>(objectOf(v[0]), colour));
        return;
    }
    case Command::call:
        call_.parseValues(values, ',', v);
        call(v, list);
        return;
    }
}

bool GvCommandBuilder::commandNamed(const std::string& word, Command& command) {
    static constexpr const char* kWords[] = {
        "set",      "line", "rect_line", "rect_fill", "rect_dot", "random_fill",
        "parasite", "raw",  "filler",    "style",     "call",
    };
    static_assert(std::size(kWords) == static_cast<std::size_t>(Command::call) + 1);
    const int index = keywordTableLookup(kWords, word);
    if (index < 0) {
        return false;
    }
    command = static_cast<Command>(index);
    return true;
}
