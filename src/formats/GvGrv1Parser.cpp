#include "formats/GvGrv1Parser.h"

#include "formats/GvGrvParser.h"
#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueListSpec.h"
#include "formats/OrbValueStringTableHolder.h"
#include "levelpack/GvCmdLine.h"
#include "levelpack/GvCmdParasite.h"
#include "levelpack/GvCmdRandomFill.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectDot.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdRectLine.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvKeywordTable.h"
#include "sim/GvPackedObjectType.h"
#include "sim/GvPhysics.h"
#include "sim/GvWrapMode.h"

#include <climits>
#include <cmath>

// Every word of the old format, in the order of kKeywords below. One table
// serves all blocks; each block accepts its own subset.
enum class GvGrv1Parser::Keyword {
    gravik,
    name,
    description,
    author,
    date,
    web,
    email,
    cave,
    macro,
    physics,
    wrap,
    intermission,
    tick_rate,
    game_ticks,
    pre_game_ticks,
    diamond_quota,
    bomb_ticks,
    amoeba,
    magic_wall_ticks,
    slime_permeability,
    unpack_seed,
    world_seed,
    demo,
    set,
    line,
    rect_line,
    rect_fill,
    rect_dot,
    random_fill,
    parasite,
    raw,
    tint,
    call,
    wait,
    up,
    snap_up,
    down,
    snap_down,
    left,
    snap_left,
    right,
    snap_right,
    close_brace,
    unknown,
};

namespace {

using Keyword = GvGrv1Parser::Keyword;

constexpr const char* kKeywords[] = {
    "gravik",
    "Name",
    "Description",
    "Author",
    "Date",
    "Web",
    "Email",
    "Cave",
    "Macro",
    "Physics",
    "Wrap",
    "Intermission",
    "TickRate",
    "GameTicks",
    "PreGameTicks",
    "DiamondQuota",
    "BombTicks",
    "Amoeba",
    "MagicWallTicks",
    "SlimePermeability",
    "UnpackSeed",
    "WorldSeed",
    "Demo",
    "Set",
    "Line",
    "RectLine",
    "RectFill",
    "RectDot",
    "RandomFill",
    "Parasite",
    "Raw",
    "Tint",
    "Call",
    "Wait",
    "Up",
    "SnapUp",
    "Down",
    "SnapDown",
    "Left",
    "SnapLeft",
    "Right",
    "SnapRight",
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

std::string& textField(Keyword k, std::string& name, std::string& description, std::string& author,
                       std::string& date, std::string& web, std::string& email) {
    switch (k) {
    case Keyword::name:
        return name;
    case Keyword::description:
        return description;
    case Keyword::author:
        return author;
    case Keyword::date:
        return date;
    case Keyword::web:
        return web;
    default:
        return email;
    }
}

// The old object names, codes 0..26; there is no name for "leave unchanged".
constexpr const char* kObjectNames[] = {
    "Space",     "Dirt",        "InBox",        "OutBox",       "Boulder",    "BoulderF",
    "Diamond",   "DiamondF",    "Bomb",         "BombF",        "SteelWall",  "BrickWall",
    "MagicWall", "GrowingWall", "GrowingWallH", "GrowingWallV", "FireflyL",   "FireflyU",
    "FireflyR",  "FireflyD",    "ButterflyL",   "ButterflyU",   "ButterflyR", "ButterflyD",
    "Amoeba",    "Slime",       "Dummy",
};
static_assert(std::size(kObjectNames) == kPackedObjectTypeCount - 1);

constexpr const char* kPhysicsNames[] = {"Standard", "Retro"};
constexpr const char* kWrapNames[] = {"None", "Horizontal", "Vertical", "All", "Stepped"};

// Raw characters as in the current format, except that "-" (unchanged) is not one.
int rawCode(char c) {
    const char* const chars = " .PXrRdDbBWwMGHV12345678asF";
    for (int type = 0; chars[type] != '\0'; ++type) {
        if (chars[type] == c) {
            return type;
        }
    }
    return -1;
}

struct Specs {
    OrbValueStringTable<GvPackedObjectType> objectTable =
        OrbValueStringTable<GvPackedObjectType>::fromKeywords(kObjectNames,
                                                              GvPackedObjectType::none);
    OrbValueStringTable<GvPhysics> physicsTable =
        OrbValueStringTable<GvPhysics>::fromKeywords(kPhysicsNames, GvPhysics::gravik_1);
    OrbValueStringTable<GvWrapMode> wrapTable =
        OrbValueStringTable<GvWrapMode>::fromKeywords(kWrapNames, GvWrapMode::none);

    OrbValueSpec object = OrbValueSpec::enumName(OrbValueStringTableHolder(objectTable));
    OrbValueSpec coordinate = OrbValueSpec::integer(-1000, 1000);
    OrbValueSpec count = OrbValueSpec::integer(1, 1000);
    OrbValueSpec quoted = OrbValueSpec::quotedString();
    OrbValueSpec ticks = OrbValueSpec::integer(0, 9999);
    OrbValueSpec large = OrbValueSpec::integer(0, INT_MAX);

    OrbValueListSpec version{{OrbValueSpec::integer()}};
    OrbValueListSpec text{{quoted}};
    OrbValueListSpec caveSize{{OrbValueSpec::integer(4, 100), OrbValueSpec::integer(4, 100)}};
    OrbValueListSpec physics{{OrbValueSpec::enumName(OrbValueStringTableHolder(physicsTable))}};
    OrbValueListSpec wrap{{OrbValueSpec::enumName(OrbValueStringTableHolder(wrapTable))}};
    OrbValueListSpec tickRate{{OrbValueSpec::real(1, 100)}};
    OrbValueListSpec tickCount{{ticks}};
    OrbValueListSpec diamondQuota{{OrbValueSpec::integer(0, 999)}};
    OrbValueListSpec bombTicks{{OrbValueSpec::integer(1, 9999)}};
    OrbValueListSpec amoeba{
        {large, OrbValueSpec::integer(0, 255), OrbValueSpec::integer(0, 255), ticks}};
    OrbValueListSpec slime{{OrbValueSpec::real(0, 1)}};
    OrbValueListSpec seed{{large}};
    OrbValueListSpec demoCount{{large}};
    OrbValueListSpec demoRaw{{quoted}};

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
    OrbValueListSpec call{{quoted, coordinate, coordinate}, 2, 0, 1, true};
};

const Specs& specs() {
    static const Specs instance;
    return instance;
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

// The input bits of a demo keyword, or -1 for a word that is not one.
int demoKeywordMoves(Keyword k) {
    switch (k) {
    case Keyword::wait:
        return 0;
    case Keyword::up:
        return 1;
    case Keyword::snap_up:
        return 17;
    case Keyword::down:
        return 2;
    case Keyword::snap_down:
        return 18;
    case Keyword::left:
        return 4;
    case Keyword::snap_left:
        return 20;
    case Keyword::right:
        return 8;
    case Keyword::snap_right:
        return 24;
    default:
        return -1;
    }
}

// The input bits of a move letter in a demo string, or -1.
int demoLetterMoves(char letter) {
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

GvGrv1Parser::GvGrv1Parser() = default;

GvGrv1Parser::~GvGrv1Parser() = default;

std::unique_ptr<GvLevelPack>
GvGrv1Parser::parse(OrbStream& stream, std::vector<std::string>* messages, bool headerOnly) {
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
            pack->regroupFlatPack();
        }
        return pack;
    });
    pack_.reset();
    macros_.reset();
    reader_.reset();
    messages_ = nullptr;
    return result;
}

bool GvGrv1Parser::nextLine(Line& line) {
    std::string text;
    if (!reader_->readLine(text, true, true)) {
        return false;
    }
    // Only a space separates the keyword, as in the current format.
    const std::size_t space = text.find(' ');
    line.keyword = keywordOf(text.substr(0, space));
    line.values = space == std::string::npos ? std::string() : text.substr(space + 1);
    return true;
}

void GvGrv1Parser::fail(const std::string& first, const std::string& second) {
    messages_->push_back(first);
    messages_->push_back(second);
    throw true;
}

void GvGrv1Parser::noValues(const Line& line) const {
    if (!line.values.empty()) {
        throw OrbParsingSyntaxException();
    }
}

void GvGrv1Parser::expectOpenBrace() {
    std::string text;
    if (!reader_->readLine(text, true, true) || text != "{") {
        fail(GvParserMessage::syntax(reader_->lineCount()),
             GvParserMessage::expectation(GvParserMessage::kOpenBrace));
    }
}

void GvGrv1Parser::checkVersion(const Line& line) {
    std::vector<OrbValue> values;
    specs().version.parseValues(line.values, ',', values);
    // Only versions 0 and 1 were ever written in this form; a negative one is no
    // more readable than a later one.
    if (values[0].integer < 0 || values[0].integer > 1) {
        throw std::string(GvParserMessage::kUnsupportedVersion);
    }
}

std::unique_ptr<GvLevelPack> GvGrv1Parser::readPack(bool headerOnly) {
    Line line;
    if (!nextLine(line) || line.keyword != Keyword::gravik) {
        fail(GvParserMessage::syntax(reader_->lineCount()),
             GvParserMessage::expectation(GvParserMessage::kGravikCommand));
    }
    checkVersion(line);

    const Specs& s = specs();
    std::vector<OrbValue> values;
    while (nextLine(line)) {
        if (isText(line.keyword)) {
            s.text.parseValues(line.values, ',', values);
            GvLevelPack& p = *pack_;
            textField(line.keyword, p.name, p.description, p.author, p.date, p.web, p.email) =
                values[0].text;
            continue;
        }
        switch (line.keyword) {
        case Keyword::gravik:
            checkVersion(line);
            break;
        case Keyword::cave:
            if (headerOnly) {
                return std::move(pack_);
            }
            s.caveSize.parseValues(line.values, ',', values);
            readCave(values[0].integer, values[1].integer);
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

void GvGrv1Parser::readCave(int width, int height) {
    std::unique_ptr<GvCaveDef> cave = pack_->makeCave(width, height);
    GvCaveVariant& variant = *cave->variants.front();
    // The old format always started from dirt inside a steel border.
    append(variant.commands, std::make_unique<GvCmdRectFill>(0, 0, width - 1, height - 1,
                                                             GvPackedObjectType::steel_wall,
                                                             GvPackedObjectType::dirt));
    expectOpenBrace();
    const Specs& s = specs();
    Line line;
    std::vector<OrbValue> values;
    for (;;) {
        if (!nextLine(line)) {
            fail(GvParserMessage::syntax(reader_->lineCount()),
                 GvParserMessage::expectation(GvParserMessage::kCloseBrace));
        }
        if (isText(line.keyword)) {
            s.text.parseValues(line.values, ',', values);
            GvCaveDef& c = *cave;
            textField(line.keyword, c.name, c.description, c.author, c.date, c.web, c.email) =
                values[0].text;
            continue;
        }
        switch (line.keyword) {
        case Keyword::close_brace:
            noValues(line);
            pack_->caves.push_back(std::move(cave));
            return;
        case Keyword::physics:
            s.physics.parseValues(line.values, ',', values);
            cave->physics = static_cast<GvPhysics>(values[0].code);
            break;
        case Keyword::wrap:
            s.wrap.parseValues(line.values, ',', values);
            cave->wrap = static_cast<GvWrapMode>(values[0].code);
            break;
        case Keyword::intermission:
            noValues(line);
            cave->view = GvPresentation::full;
            cave->bonus = true;
            break;
        case Keyword::tick_rate:
            s.tickRate.parseValues(line.values, ',', values);
            variant.tick_rate = values[0].real;
            break;
        case Keyword::game_ticks:
            s.tickCount.parseValues(line.values, ',', values);
            variant.game_ticks = values[0].integer;
            break;
        case Keyword::pre_game_ticks:
            s.tickCount.parseValues(line.values, ',', values);
            variant.pre_game_ticks = values[0].integer;
            break;
        case Keyword::magic_wall_ticks:
            s.tickCount.parseValues(line.values, ',', values);
            variant.magic_wall_ticks = values[0].integer;
            break;
        case Keyword::diamond_quota:
            s.diamondQuota.parseValues(line.values, ',', values);
            variant.diamond_quota = values[0].integer;
            break;
        case Keyword::bomb_ticks:
            s.bombTicks.parseValues(line.values, ',', values);
            variant.bomb_ticks = values[0].integer;
            break;
        case Keyword::amoeba:
            s.amoeba.parseValues(line.values, ',', values);
            variant.amoeba_size_limit = values[0].integer;
            variant.amoeba_slow_chance = static_cast<std::uint8_t>(values[1].integer);
            variant.amoeba_fast_chance = static_cast<std::uint8_t>(values[2].integer);
            // Already in ticks: the old format had no seconds.
            variant.amoeba_slow_ticks = values[3].integer;
            break;
        case Keyword::slime_permeability:
            s.slime.parseValues(line.values, ',', values);
            variant.slime_permeability =
                static_cast<int>(std::floor(static_cast<double>(values[0].real) * 65536.0 + 0.5));
            break;
        case Keyword::unpack_seed:
            s.seed.parseValues(line.values, ',', values);
            variant.unpack_seed = values[0].integer;
            break;
        case Keyword::world_seed:
            s.seed.parseValues(line.values, ',', values);
            variant.world_seed = values[0].integer;
            break;
        case Keyword::demo:
            noValues(line);
            readDemo(variant);
            break;
        case Keyword::tint:
            // Colouring of the old renderer; nothing of it survives.
            break;
        default:
            if (!readDrawingCommand(line, variant.commands)) {
                fail(GvParserMessage::syntax(reader_->lineCount()),
                     GvParserMessage::expectation(GvParserMessage::kCloseBrace));
            }
            break;
        }
    }
}

void GvGrv1Parser::readDemo(GvCaveVariant& variant) {
    expectOpenBrace();
    variant.demo.clear();
    const Specs& s = specs();
    Line line;
    std::vector<OrbValue> values;
    for (;;) {
        if (!nextLine(line)) {
            fail(GvParserMessage::syntax(reader_->lineCount()),
                 GvParserMessage::expectation(GvParserMessage::kCloseBrace));
        }
        if (line.keyword == Keyword::close_brace) {
            noValues(line);
            return;
        }
        if (line.keyword == Keyword::raw) {
            s.demoRaw.parseValues(line.values, ',', values);
            const std::string& steps = values[0].text;
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
                variant.appendDemoStep(moves, static_cast<int>(count));
            }
            continue;
        }
        const int moves = demoKeywordMoves(line.keyword);
        if (moves < 0) {
            throw OrbParsingSyntaxException();
        }
        s.demoCount.parseValues(line.values, ',', values);
        // A count of 0 holds nothing and adds no step.
        variant.appendDemoStep(moves, values[0].integer);
    }
}

void GvGrv1Parser::readMacro(const std::string& name) {
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
    // Registered only now, so that a macro cannot call itself.
    macros_->caves.push_back(std::move(macro));
}

void GvGrv1Parser::append(CommandList& list, std::unique_ptr<GvCaveCommand> command) {
    if (++commandCount_ > GvGrvParser::kMaxCommands) {
        throw GvParserMessage::tooManyCommands(reader_->lineCount());
    }
    list.push_back(std::move(command));
}

bool GvGrv1Parser::readDrawingCommand(const Line& line, CommandList& list) {
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
            const int code = rawCode(c);
            if (code < 0) {
                throw GvParserMessage::objectCharacter(c, reader_->lineCount());
            }
            objects.push_back(static_cast<GvPackedObjectType>(code));
        }
        append(list, std::make_unique<GvCmdRaw>(v[0].integer, v[1].integer, std::move(objects)));
        return true;
    }
    case Keyword::call: {
        s.call.parseValues(line.values, ',', v);
        const GvCaveDef* macro = macros_->findCaveByName(v[0].text);
        if (macro == nullptr) {
            throw GvParserMessage::missingMacro(reader_->lineCount());
        }
        if (commandCount_ + static_cast<long long>(macro->commands.size()) >
            GvGrvParser::kMaxCommands) {
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
