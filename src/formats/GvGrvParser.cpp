#include "formats/GvGrvParser.h"

#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbParsingValueCountException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueListSpec.h"
#include "formats/OrbValueStringTableHolder.h"
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
#include "sim/GvPhysics.h"
#include "sim/GvPresentation.h"
#include "sim/GvWrapMode.h"

#include <climits>
#include <cmath>
#include <map>

// Every word the format knows, in the order of kKeywords below.
enum class GvGrvParser::Keyword {
    gravik,
    variants,
    cave,
    macro,
    name,
    description,
    author,
    date,
    web,
    email,
    physics,
    wrap,
    view,
    bonus,
    intermission,
    variant,
    locked,
    tick_rate,
    game_ticks,
    game_time,
    pre_game_ticks,
    pre_game_time,
    diamond_quota,
    bomb_ticks,
    amoeba,
    magic_wall_ticks,
    magic_wall_time,
    slime_permeability,
    unpack_seed,
    world_seed,
    set,
    line,
    rect_line,
    rect_fill,
    rect_dot,
    random_fill,
    parasite,
    raw,
    filler,
    style,
    call,
    demo,
    close_brace,
    unknown,
};

namespace {

using Keyword = GvGrvParser::Keyword;

constexpr const char* kKeywords[] = {
    "gravik",
    "variants",
    "cave",
    "macro",
    "name",
    "description",
    "author",
    "date",
    "web",
    "email",
    "physics",
    "wrap",
    "view",
    "bonus",
    "intermission",
    "variant",
    "locked",
    "tick_rate",
    "game_ticks",
    "game_time",
    "pre_game_ticks",
    "pre_game_time",
    "diamond_quota",
    "bomb_ticks",
    "amoeba",
    "magic_wall_ticks",
    "magic_wall_time",
    "slime_permeability",
    "unpack_seed",
    "world_seed",
    "set",
    "line",
    "rect_line",
    "rect_fill",
    "rect_dot",
    "random_fill",
    "parasite",
    "raw",
    "filler",
    "style",
    "call",
    "demo",
    "}",
};
static_assert(std::size(kKeywords) == static_cast<std::size_t>(Keyword::unknown));

Keyword keywordOf(const std::string& word) {
    const int index = keywordTableLookup(kKeywords, word);
    return index < 0 ? Keyword::unknown : static_cast<Keyword>(index);
}

bool isText(Keyword k) {
    return k >= Keyword::name && k <= Keyword::email;
}

std::string* textField(Keyword k, std::string& name, std::string& description, std::string& author,
                       std::string& date, std::string& web, std::string& email) {
    switch (k) {
    case Keyword::name:
        return &name;
    case Keyword::description:
        return &description;
    case Keyword::author:
        return &author;
    case Keyword::date:
        return &date;
    case Keyword::web:
        return &web;
    case Keyword::email:
        return &email;
    default:
        return nullptr;
    }
}

// Objects as raw characters; -1 for a character that names none.
struct RawTable {
    int code[256];
    RawTable() {
        for (int& c : code) {
            c = -1;
        }
        const char* chars = " .PXrRdDbBWwMGHV12345678asF-";
        for (int type = 0; chars[type] != '\0'; ++type) {
            code[static_cast<unsigned char>(chars[type])] = type;
        }
    }
};

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

// The value specifications of every keyword, made once.
struct Specs {
    OrbValueStringTable<GvPackedObjectType> objectTable =
        OrbValueStringTable<GvPackedObjectType>::fromKeywords(kPackedObjectKeywords,
                                                              GvPackedObjectType::none);
    OrbValueStringTable<GvPhysics> physicsTable =
        OrbValueStringTable<GvPhysics>::fromKeywords(kPhysicsKeywords, GvPhysics::gravik_1);
    OrbValueStringTable<GvWrapMode> wrapTable =
        OrbValueStringTable<GvWrapMode>::fromKeywords(kWrapModeKeywords, GvWrapMode::none);
    OrbValueStringTable<GvPresentation> viewTable =
        OrbValueStringTable<GvPresentation>::fromKeywords(kPresentationKeywords,
                                                          GvPresentation::scrolling);

    OrbValueSpec object = OrbValueSpec::enumName(OrbValueStringTableHolder(objectTable));
    OrbValueSpec coordinate = OrbValueSpec::integer(-1000, 1000);
    OrbValueSpec count = OrbValueSpec::integer(1, 1000);
    OrbValueSpec quoted = OrbValueSpec::quotedString();

    OrbValueListSpec version{{OrbValueSpec::real()}};
    OrbValueListSpec variants{{OrbValueSpec::integer(1, 9)}};
    OrbValueListSpec text{{quoted}};
    OrbValueListSpec caveSize{{OrbValueSpec::integer(4, 100), OrbValueSpec::integer(4, 100)}};
    OrbValueListSpec physics{{OrbValueSpec::enumName(OrbValueStringTableHolder(physicsTable))}};
    OrbValueListSpec wrap{{OrbValueSpec::enumName(OrbValueStringTableHolder(wrapTable))}};
    OrbValueListSpec view{{OrbValueSpec::enumName(OrbValueStringTableHolder(viewTable))}};
    OrbValueListSpec variantNumber{{OrbValueSpec::integer()}};
    OrbValueListSpec amoeba{{OrbValueSpec::integer(0, INT_MAX), OrbValueSpec::integer(0, 255),
                             OrbValueSpec::integer(0, 255), OrbValueSpec::real(0, 999)}};

    OrbValueListSpec set{{coordinate, coordinate, object}};
    OrbValueListSpec line{{coordinate, coordinate, coordinate, coordinate, object}};
    OrbValueListSpec rectFill{
        {coordinate, coordinate, coordinate, coordinate, object, object}, 1, 0, 1};
    OrbValueListSpec rectDot{{coordinate, coordinate, count, count, count, count, object}};
    OrbValueListSpec randomFill{{coordinate, coordinate, coordinate, coordinate, object, object,
                                 OrbValueSpec::integer(0, 255)},
                                2,
                                0,
                                256,
                                true};
    OrbValueListSpec parasite{
        {coordinate, coordinate, coordinate, coordinate, object, coordinate, coordinate, object}};
    OrbValueListSpec raw{{coordinate, coordinate, quoted}};
    OrbValueListSpec filler{{object}};
    OrbValueListSpec style{{object, OrbValueSpec::freeWord()}};
    OrbValueListSpec call{{quoted, coordinate, coordinate}, 2, 0, 1, true};

    // Per-variant parameters: one value for a variant block, 1..9 in a cave block.
    std::map<Keyword, OrbValueListSpec> single;
    std::map<Keyword, OrbValueListSpec> multi;

    RawTable rawTable;

    Specs() {
        const OrbValueSpec ticks = OrbValueSpec::integer(0, 9999);
        const OrbValueSpec seconds = OrbValueSpec::real(0, 999);
        const OrbValueSpec large = OrbValueSpec::integer(0, INT_MAX);
        const std::pair<Keyword, OrbValueSpec> parameters[] = {
            {Keyword::tick_rate, OrbValueSpec::real(1, 100)},
            {Keyword::game_ticks, ticks},
            {Keyword::game_time, seconds},
            {Keyword::pre_game_ticks, ticks},
            {Keyword::pre_game_time, seconds},
            {Keyword::diamond_quota, large},
            {Keyword::bomb_ticks, ticks},
            {Keyword::magic_wall_ticks, ticks},
            {Keyword::magic_wall_time, seconds},
            {Keyword::slime_permeability, OrbValueSpec::real(0, 1)},
            {Keyword::unpack_seed, large},
            {Keyword::world_seed, large},
        };
        for (const auto& [keyword, spec] : parameters) {
            single.emplace(keyword, OrbValueListSpec({spec}));
            multi.emplace(keyword, OrbValueListSpec({spec}, 1, 1, 9));
        }
    }
};

const Specs& specs() {
    static const Specs instance;
    return instance;
}

// Seconds to ticks at the variant's current tick rate, rounded to nearest.
int secondsToTicks(float seconds, float tickRate) {
    return static_cast<int>(std::floor(static_cast<double>(seconds) * tickRate + 0.5));
}

void assignParameter(Keyword keyword, GvCaveVariant& variant, const OrbValue& value) {
    switch (keyword) {
    case Keyword::tick_rate:
        variant.tick_rate = value.real;
        break;
    case Keyword::game_ticks:
        variant.game_ticks = value.integer;
        break;
    case Keyword::game_time:
        variant.game_ticks = secondsToTicks(value.real, variant.tick_rate);
        break;
    case Keyword::pre_game_ticks:
        variant.pre_game_ticks = value.integer;
        break;
    case Keyword::pre_game_time:
        variant.pre_game_ticks = secondsToTicks(value.real, variant.tick_rate);
        break;
    case Keyword::diamond_quota:
        variant.diamond_quota = value.integer;
        break;
    case Keyword::bomb_ticks:
        variant.bomb_ticks = value.integer;
        break;
    case Keyword::magic_wall_ticks:
        variant.magic_wall_ticks = value.integer;
        break;
    case Keyword::magic_wall_time:
        variant.magic_wall_ticks = secondsToTicks(value.real, variant.tick_rate);
        break;
    case Keyword::slime_permeability:
        variant.slime_permeability =
            static_cast<int>(std::floor(static_cast<double>(value.real) * 65536.0 + 0.5));
        break;
    case Keyword::unpack_seed:
        variant.unpack_seed = value.integer;
        break;
    case Keyword::world_seed:
        variant.world_seed = value.integer;
        break;
    default:
        break;
    }
}

void assignAmoeba(GvCaveVariant& variant, const std::vector<OrbValue>& values) {
    variant.amoeba_size_limit = values[0].integer;
    variant.amoeba_slow_chance = static_cast<std::uint8_t>(values[1].integer);
    variant.amoeba_fast_chance = static_cast<std::uint8_t>(values[2].integer);
    variant.amoeba_slow_ticks = secondsToTicks(values[3].real, variant.tick_rate);
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

// The moves value of a demo letter, or -1.
int demoMoves(char letter) {
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

} // namespace

GvGrvParser::GvGrvParser() = default;

GvGrvParser::~GvGrvParser() = default;

std::unique_ptr<GvLevelPack>
GvGrvParser::parse(OrbStream& stream, std::vector<std::string>* messages, bool headerOnly) {
    std::vector<std::string> privateMessages;
    messages_ = messages != nullptr ? messages : &privateMessages;
    reader_ = std::make_unique<OrbLineReader>(stream, ";", true);
    macros_ = std::make_unique<GvLevelPack>();
    pack_ = std::make_unique<GvLevelPack>();
    commandCount_ = 0;

    std::unique_ptr<GvLevelPack> result = runGuarded(*messages_, *reader_, [&] {
        std::unique_ptr<GvLevelPack> pack = readPack(headerOnly);
        if (!headerOnly) {
            validate(*pack);
        }
        return pack;
    });
    pack_.reset();
    macros_.reset();
    reader_.reset();
    messages_ = nullptr;
    return result;
}

bool GvGrvParser::nextLine(Line& line) {
    std::string text;
    if (!reader_->readLine(text, true, true)) {
        return false;
    }
    // Only a space separates the keyword: "name<tab>..." is one unknown word.
    const std::size_t space = text.find(' ');
    line.keyword = keywordOf(text.substr(0, space));
    line.values = space == std::string::npos ? std::string() : text.substr(space + 1);
    return true;
}

void GvGrvParser::fail(const std::string& first, const std::string& second) {
    messages_->push_back(first);
    messages_->push_back(second);
    throw true;
}

void GvGrvParser::noValues(const Line& line) const {
    if (!line.values.empty()) {
        throw OrbParsingSyntaxException();
    }
}

void GvGrvParser::expectOpenBrace() {
    std::string text;
    if (!reader_->readLine(text, true, true) || text != "{") {
        fail(GvParserMessage::syntax(reader_->lineCount()),
             GvParserMessage::expectation(GvParserMessage::kOpenBrace));
    }
}

void GvGrvParser::readVersion() {
    Line line;
    if (!nextLine(line) || line.keyword != Keyword::gravik) {
        fail(GvParserMessage::syntax(reader_->lineCount()),
             GvParserMessage::expectation(GvParserMessage::kGravikCommand));
    }
    std::vector<OrbValue> values;
    specs().version.parseValues(line.values, ',', values);
    if (values[0].real != 3.0f) {
        throw std::string(GvParserMessage::kUnsupportedVersion);
    }
}

std::unique_ptr<GvLevelPack> GvGrvParser::readPack(bool headerOnly) {
    readVersion();
    const Specs& s = specs();
    bool sawCave = false;
    Line line;
    std::vector<OrbValue> values;
    while (nextLine(line)) {
        if (isText(line.keyword)) {
            s.text.parseValues(line.values, ',', values);
            GvLevelPack& p = *pack_;
            *textField(line.keyword, p.name, p.description, p.author, p.date, p.web, p.email) =
                values[0].text;
            continue;
        }
        switch (line.keyword) {
        case Keyword::variants:
            if (sawCave) {
                fail(GvParserMessage::syntax(reader_->lineCount()),
                     GvParserMessage::kVariantsAfterCave);
            }
            s.variants.parseValues(line.values, ',', values);
            pack_->variant_count = values[0].integer;
            break;
        case Keyword::cave:
            if (headerOnly) {
                return std::move(pack_);
            }
            s.caveSize.parseValues(line.values, ',', values);
            readCave(values[0].integer, values[1].integer);
            sawCave = true;
            break;
        case Keyword::macro:
            if (headerOnly) {
                return std::move(pack_);
            }
            s.text.parseValues(line.values, ',', values);
            readMacro(values[0].text);
            break;
        default:
            throw OrbParsingSyntaxException();
        }
    }
    return std::move(pack_);
}

void GvGrvParser::readCave(int width, int height) {
    std::unique_ptr<GvCaveDef> cave = pack_->makeCave(width, height);
    expectOpenBrace();
    const Specs& s = specs();
    const int variantCount = cave->variantCount();
    std::vector<bool> defined(static_cast<std::size_t>(variantCount), false);
    bool sawVariant = false;
    Line line;
    std::vector<OrbValue> values;
    for (;;) {
        if (!nextLine(line)) {
            throw OrbParsingSyntaxException();
        }
        switch (line.keyword) {
        case Keyword::gravik:
        case Keyword::variants:
        case Keyword::cave:
        case Keyword::macro:
        case Keyword::demo:
        case Keyword::unknown:
            fail(GvParserMessage::syntax(reader_->lineCount()),
                 GvParserMessage::expectation(GvParserMessage::kCloseBrace));
        default:
            break;
        }
        if (line.keyword == Keyword::close_brace) {
            noValues(line);
            break;
        }
        if (line.keyword == Keyword::variant) {
            s.variantNumber.parseValues(line.values, ',', values);
            const int number = values[0].integer;
            if (number < 1 || number > variantCount) {
                throw OrbParsingRangeException();
            }
            if (defined[static_cast<std::size_t>(number - 1)]) {
                fail(GvParserMessage::invalidValue(reader_->lineCount()),
                     GvParserMessage::kVariantAlreadyDefined);
            }
            defined[static_cast<std::size_t>(number - 1)] = true;
            sawVariant = true;
            readVariant(*cave, number - 1);
            continue;
        }
        if (sawVariant) {
            fail(GvParserMessage::syntax(reader_->lineCount()),
                 GvParserMessage::kOnlyVariantsAfterVariant);
        }
        if (isText(line.keyword)) {
            s.text.parseValues(line.values, ',', values);
            GvCaveDef& c = *cave;
            *textField(line.keyword, c.name, c.description, c.author, c.date, c.web, c.email) =
                values[0].text;
            continue;
        }
        switch (line.keyword) {
        case Keyword::physics:
            s.physics.parseValues(line.values, ',', values);
            cave->physics = static_cast<GvPhysics>(values[0].code);
            break;
        case Keyword::wrap:
            s.wrap.parseValues(line.values, ',', values);
            cave->wrap = static_cast<GvWrapMode>(values[0].code);
            break;
        case Keyword::view:
            s.view.parseValues(line.values, ',', values);
            cave->view = static_cast<GvPresentation>(values[0].code);
            break;
        case Keyword::bonus:
            noValues(line);
            cave->bonus = true;
            break;
        case Keyword::intermission:
            noValues(line);
            cave->view = GvPresentation::full;
            cave->bonus = true;
            break;
        case Keyword::locked:
            noValues(line);
            for (auto& variant : cave->variants) {
                variant->locked = true;
            }
            break;
        default:
            if (!readParameter(line, *cave, -1) && !readDrawingCommand(line, cave->commands)) {
                throw OrbParsingSyntaxException();
            }
            break;
        }
    }

    // Every cave starts as dirt inside a steel border. Leading style commands stay in
    // front so that the border and the dirt are drawn in the cave's own colours.
    auto firstDrawing = cave->commands.begin();
    while (firstDrawing != cave->commands.end() &&
           dynamic_cast<const GvCmdStyle*>(firstDrawing->get()) != nullptr) {
        ++firstDrawing;
    }
    cave->commands.insert(firstDrawing,
                          std::make_unique<GvCmdRectFill>(0, 0, width - 1, height - 1,
                                                          GvPackedObjectType::steel_wall,
                                                          GvPackedObjectType::dirt));
    pack_->caves.push_back(std::move(cave));
}

void GvGrvParser::readVariant(GvCaveDef& cave, int v) {
    GvCaveVariant& variant = *cave.variants[static_cast<std::size_t>(v)];
    expectOpenBrace();
    Line line;
    for (;;) {
        if (!nextLine(line)) {
            fail(GvParserMessage::syntax(reader_->lineCount()),
                 GvParserMessage::expectation(GvParserMessage::kCloseBrace));
        }
        switch (line.keyword) {
        case Keyword::close_brace:
            noValues(line);
            return;
        case Keyword::locked:
            noValues(line);
            variant.locked = true;
            break;
        case Keyword::demo:
            noValues(line);
            readDemo(variant);
            break;
        default:
            if (!readParameter(line, cave, v) && !readDrawingCommand(line, variant.commands)) {
                throw OrbParsingSyntaxException();
            }
            break;
        }
    }
}

void GvGrvParser::readDemo(GvCaveVariant& variant) {
    expectOpenBrace();
    variant.demo.clear();
    std::string text;
    std::string steps;
    for (;;) {
        if (!reader_->readLine(text, true, true)) {
            fail(GvParserMessage::syntax(reader_->lineCount()),
                 GvParserMessage::expectation(GvParserMessage::kCloseBrace));
        }
        if (text == "}") {
            return;
        }
        if (!OrbValueSpec::parseQuoted(text, steps)) {
            throw OrbParsingSyntaxException();
        }
        std::size_t at = 0;
        while (at < steps.size()) {
            const int moves = demoMoves(steps[at++]);
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
            // Merging equal neighbours must not wrap the count either.
            if (!variant.demo.empty() && variant.demo.back().moves == moves &&
                variant.demo.back().count > INT_MAX - count) {
                throw OrbParsingSyntaxException();
            }
            variant.appendDemoStep(moves, static_cast<int>(count));
        }
    }
}

void GvGrvParser::readMacro(const std::string& name) {
    if (macros_->findCaveByName(name) != nullptr) {
        throw GvParserMessage::duplicateMacro(reader_->lineCount());
    }
    std::unique_ptr<GvCaveDef> macro = macros_->makeCave(40, 22);
    macro->name = name;
    expectOpenBrace();
    Line line;
    for (;;) {
        if (!nextLine(line)) {
            fail(GvParserMessage::syntax(reader_->lineCount()),
                 GvParserMessage::expectation(GvParserMessage::kCloseBrace));
        }
        if (line.keyword == Keyword::close_brace) {
            noValues(line);
            break;
        }
        if (!readDrawingCommand(line, macro->commands)) {
            throw OrbParsingSyntaxException();
        }
    }
    // Only now can calls find it: a macro that called itself would never end.
    macros_->caves.push_back(std::move(macro));
}

bool GvGrvParser::readParameter(const Line& line, GvCaveDef& cave, int onlyVariant) {
    const Specs& s = specs();
    std::vector<OrbValue> values;
    if (line.keyword == Keyword::amoeba) {
        s.amoeba.parseValues(line.values, ',', values);
        for (int v = 0; v < cave.variantCount(); ++v) {
            if (onlyVariant < 0 || v == onlyVariant) {
                assignAmoeba(*cave.variants[static_cast<std::size_t>(v)], values);
            }
        }
        return true;
    }
    if (onlyVariant >= 0) {
        const auto spec = s.single.find(line.keyword);
        if (spec == s.single.end()) {
            return false;
        }
        spec->second.parseValues(line.values, ',', values);
        assignParameter(line.keyword, *cave.variants[static_cast<std::size_t>(onlyVariant)],
                        values[0]);
        return true;
    }
    const auto spec = s.multi.find(line.keyword);
    if (spec == s.multi.end()) {
        return false;
    }
    // One value serves every variant; otherwise there must be one per variant.
    const int count = static_cast<int>(OrbValueListSpec::split(line.values, ',').size());
    if (count != 1 && count != cave.variantCount()) {
        throw OrbParsingValueCountException();
    }
    spec->second.parseValues(line.values, ',', values);
    for (int v = 0; v < cave.variantCount(); ++v) {
        assignParameter(line.keyword, *cave.variants[static_cast<std::size_t>(v)],
                        values[count == 1 ? 0 : static_cast<std::size_t>(v)]);
    }
    return true;
}

void GvGrvParser::append(CommandList& list, std::unique_ptr<GvCaveCommand> command) {
    if (++commandCount_ > kMaxCommands) {
        throw GvParserMessage::tooManyCommands(reader_->lineCount());
    }
    list.push_back(std::move(command));
}

bool GvGrvParser::readDrawingCommand(const Line& line, CommandList& list) {
    const Specs& s = specs();
    std::vector<OrbValue> v;
    switch (line.keyword) {
    case Keyword::set:
        s.set.parseValues(line.values, ',', v);
        append(list, std::make_unique<GvCmdSet>(v[0].integer, v[1].integer, objectOf(v[2])));
        return true;
    case Keyword::line:
        s.line.parseValues(line.values, ',', v);
        append(list, std::make_unique<GvCmdLine>(v[0].integer, v[1].integer, v[2].integer,
                                                 v[3].integer, objectOf(v[4])));
        return true;
    case Keyword::rect_line:
        s.line.parseValues(line.values, ',', v);
        requireOrderedCorners(v);
        append(list, std::make_unique<GvCmdRectLine>(v[0].integer, v[1].integer, v[2].integer,
                                                     v[3].integer, objectOf(v[4])));
        return true;
    case Keyword::rect_fill: {
        s.rectFill.parseValues(line.values, ',', v);
        requireOrderedCorners(v);
        const GvPackedObjectType border = objectOf(v[4]);
        append(list, std::make_unique<GvCmdRectFill>(v[0].integer, v[1].integer, v[2].integer,
                                                     v[3].integer, border,
                                                     v.size() > 5 ? objectOf(v[5]) : border));
        return true;
    }
    case Keyword::rect_dot:
        s.rectDot.parseValues(line.values, ',', v);
        append(list, std::make_unique<GvCmdRectDot>(v[0].integer, v[1].integer, v[2].integer,
                                                    v[3].integer, v[4].integer, v[5].integer,
                                                    objectOf(v[6])));
        return true;
    case Keyword::random_fill: {
        s.randomFill.parseValues(line.values, ',', v);
        requireOrderedCorners(v);
        std::vector<GvCmdRandomFill::Entry> entries;
        for (std::size_t i = 5; i + 1 < v.size(); i += 2) {
            entries.push_back({objectOf(v[i]), static_cast<std::uint8_t>(v[i + 1].integer)});
        }
        append(list,
               std::make_unique<GvCmdRandomFill>(v[0].integer, v[1].integer, v[2].integer,
                                                 v[3].integer, objectOf(v[4]), std::move(entries)));
        return true;
    }
    case Keyword::parasite:
        s.parasite.parseValues(line.values, ',', v);
        requireOrderedCorners(v);
        append(list, std::make_unique<GvCmdParasite>(v[0].integer, v[1].integer, v[2].integer,
                                                     v[3].integer, objectOf(v[4]), v[5].integer,
                                                     v[6].integer, objectOf(v[7])));
        return true;
    case Keyword::raw: {
        s.raw.parseValues(line.values, ',', v);
        std::vector<GvPackedObjectType> objects;
        objects.reserve(v[2].text.size());
        for (const char c : v[2].text) {
            const int code = s.rawTable.code[static_cast<unsigned char>(c)];
            if (code < 0) {
                throw GvParserMessage::objectCharacter(c, reader_->lineCount());
            }
            objects.push_back(static_cast<GvPackedObjectType>(code));
        }
        append(list, std::make_unique<GvCmdRaw>(v[0].integer, v[1].integer, std::move(objects)));
        return true;
    }
    case Keyword::filler:
        s.filler.parseValues(line.values, ',', v);
        append(list, std::make_unique<GvCmdFiller>(objectOf(v[0])));
        return true;
    case Keyword::style: {
        s.style.parseValues(line.values, ',', v);
        const int colour = colourIndex(objectOf(v[0]), v[1].text);
        if (colour == -2) {
            fail(GvParserMessage::invalidValue(reader_->lineCount()), GvParserMessage::kNoStyles);
        }
        if (colour < 0) {
            throw OrbParsingRangeException();
        }
        append(list, std::make_unique<GvCmdStyle>(objectOf(v[0]), colour));
        return true;
    }
    case Keyword::call: {
        s.call.parseValues(line.values, ',', v);
        const GvCaveDef* macro = macros_->findCaveByName(v[0].text);
        if (macro == nullptr) {
            throw GvParserMessage::missingMacro(reader_->lineCount());
        }
        if (commandCount_ + static_cast<long long>(macro->commands.size()) > kMaxCommands) {
            throw GvParserMessage::tooManyCommands(reader_->lineCount());
        }
        for (const auto& command : macro->commands) {
            std::unique_ptr<GvCaveCommand> copy = command->clone();
            if (v.size() == 3) {
                copy->translate(v[1].integer, v[2].integer);
            }
            append(list, std::move(copy));
        }
        return true;
    }
    default:
        return false;
    }
}
