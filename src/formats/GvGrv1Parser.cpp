#include "formats/GvGrv1Parser.h"

#include "formats/GvCommandBuilder.h"
#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueListSpec.h"
#include "formats/OrbValueStringTableHolder.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvKeywordTable.h"
#include "sim/GvPackedObjectType.h"
#include "sim/GvPhysics.h"

#include <climits>
#include <map>
#include <tuple>

namespace {

// Every word of the old format apart from the drawing commands, in the order of
// kKeywords below. One table serves all blocks; each block accepts its own subset.
enum class Keyword {
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
    tint,
    wait,
    up,
    snap_up,
    down,
    snap_down,
    left,
    snap_left,
    right,
    snap_right,
    unknown,
};

constexpr const char* kKeywords[] = {
    "TickRate",   "GameTicks", "PreGameTicks",   "DiamondQuota",
    "BombTicks",  "Amoeba",    "MagicWallTicks", "SlimePermeability",
    "UnpackSeed", "WorldSeed", "Demo",           "Tint",
    "Wait",       "Up",        "SnapUp",         "Down",
    "SnapDown",   "Left",      "SnapLeft",       "Right",
    "SnapRight",
};
static_assert(std::size(kKeywords) == static_cast<std::size_t>(Keyword::unknown));

// The old names of the drawing commands: set to raw in the builder's order, then
// call. The old format has no filler or style.
constexpr const char* kDrawingWords[] = {
    "Set", "Line", "RectLine", "RectFill", "RectDot", "RandomFill", "Parasite", "Raw", "Call",
};
static_assert(std::size(kDrawingWords) ==
              static_cast<std::size_t>(GvCommandBuilder::Command::raw) + 2);

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

// Raw characters as in the current format, except that "-" (unchanged) is not one.
constexpr const char* kRawAlphabet = " .PXrRdDbBWwMGHV12345678asF";

struct Specs {
    GvTextParser::Names names{kObjectNames, kPhysicsNames, kRawAlphabet, kKeywords};

    OrbValueSpec ticks = OrbValueSpec::integer(0, 9999);
    OrbValueSpec large = OrbValueSpec::integer(0, INT_MAX);

    OrbValueListSpec version{{OrbValueSpec::integer()}};
    OrbValueListSpec tickRate{{OrbValueSpec::real(1, 100)}};
    OrbValueListSpec amoeba{
        {large, OrbValueSpec::integer(0, 255), OrbValueSpec::integer(0, 255), ticks}};
    OrbValueListSpec slime{{OrbValueSpec::real(0, 1)}};
    OrbValueListSpec demoCount{{large}};

    // The whole-number parameters, each one value stored as it is.
    struct Count {
        OrbValueListSpec spec;
        int GvCaveVariant::*field;
    };
    std::map<Keyword, Count> counts;

    Specs() {
        const std::tuple<Keyword, OrbValueSpec, int GvCaveVariant::*> parameters[] = {
            {Keyword::game_ticks, ticks, &GvCaveVariant::game_ticks},
            {Keyword::pre_game_ticks, ticks, &GvCaveVariant::pre_game_ticks},
            {Keyword::magic_wall_ticks, ticks, &GvCaveVariant::magic_wall_ticks},
            {Keyword::diamond_quota, OrbValueSpec::integer(0, 999), &GvCaveVariant::diamond_quota},
            {Keyword::bomb_ticks, OrbValueSpec::integer(1, 9999), &GvCaveVariant::bomb_ticks},
            {Keyword::unpack_seed, large, &GvCaveVariant::unpack_seed},
            {Keyword::world_seed, large, &GvCaveVariant::world_seed},
        };
        for (const auto& [keyword, spec, field] : parameters) {
            counts.emplace(keyword, Count{OrbValueListSpec({spec}), field});
        }
    }
};

const Specs& specs() {
    static const Specs instance;
    return instance;
}

// The demo letter a move keyword stands for (the keywords run from wait to
// snap_right in the order of kDemoLetters), or '\0' for a word that is not one.
char demoKeywordLetter(Keyword k) {
    constexpr const char kDemoLetters[] = ".uUdDlLrR";
    static_assert(static_cast<int>(Keyword::snap_right) - static_cast<int>(Keyword::wait) + 1 ==
                  static_cast<int>(std::size(kDemoLetters)) - 1);
    if (k < Keyword::wait || k > Keyword::snap_right) {
        return '\0';
    }
    return kDemoLetters[static_cast<int>(k) - static_cast<int>(Keyword::wait)];
}

} // namespace

GvGrv1Parser::GvGrv1Parser() : GvTextParser(specs().names) {}

void GvGrv1Parser::finishPack(GvLevelPack& pack) {
    pack.regroupFlatPack();
}

void GvGrv1Parser::checkVersion(const std::string& text) {
    std::vector<OrbValue> values;
    specs().version.parseValues(text, ',', values);
    // Only versions 0 and 1 were ever written in this form; a negative one is no
    // more readable than a later one.
    if (values[0].integer < 0 || values[0].integer > 1) {
        throw std::string(GvParserMessage::kUnsupportedVersion);
    }
}

// The old format takes the version line again at the top level, checked alike.
bool GvGrv1Parser::readPackLine(const Line& line, bool) {
    if (line.frame != FrameWord::version) {
        return false;
    }
    checkVersion(line.values);
    return true;
}

void GvGrv1Parser::readCave(int width, int height) {
    std::unique_ptr<GvCaveDef> cave = pack_->makeCave(width, height);
    GvCaveVariant& variant = *cave->variants.front();
    // The old format always started from dirt inside a steel border.
    commands_->append(variant.commands,
                      std::make_unique<GvCmdRectFill>(0, 0, width - 1, height - 1,
                                                      GvPackedObjectType::steel_wall,
                                                      GvPackedObjectType::dirt));
    expectOpenBrace();
    const Specs& s = specs();
    Line line;
    std::vector<OrbValue> values;
    while (nextBlockLine(line)) {
        if (readCaveLine(line, *cave)) {
            continue;
        }
        switch (keywordOf<Keyword>(line)) {
        case Keyword::tick_rate:
            s.tickRate.parseValues(line.values, ',', values);
            variant.tick_rate = values[0].real;
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
            variant.slime_permeability = permeability(values[0].real);
            break;
        case Keyword::demo:
            noValues(line.values);
            readDemo(variant);
            break;
        case Keyword::tint:
            // Colouring of the old renderer; nothing of it survives.
            break;
        default:
            if (const auto count = s.counts.find(keywordOf<Keyword>(line));
                count != s.counts.end()) {
                count->second.spec.parseValues(line.values, ',', values);
                variant.*(count->second.field) = values[0].integer;
            } else if (!readDrawingCommand(line, variant.commands)) {
                expected(GvParserMessage::kCloseBrace);
            }
            break;
        }
    }
    pack_->caves.push_back(std::move(cave));
}

void GvGrv1Parser::readDemo(GvCaveVariant& variant) {
    expectOpenBrace();
    variant.demo.clear();
    const Specs& s = specs();
    Line line;
    std::vector<OrbValue> values;
    while (nextBlockLine(line)) {
        if (GvCommandBuilder::Command command;
            drawingCommand(line, command) && command == GvCommandBuilder::Command::raw) {
            appendDemoText(quotedText(line.values), variant, false);
            continue;
        }
        const int moves = demoLetterMoves(demoKeywordLetter(keywordOf<Keyword>(line)));
        if (moves < 0) {
            throw OrbParsingSyntaxException();
        }
        s.demoCount.parseValues(line.values, ',', values);
        // A count of 0 holds nothing and adds no step.
        variant.appendDemoStep(moves, values[0].integer);
    }
}

bool GvGrv1Parser::drawingCommand(const Line& line, GvCommandBuilder::Command& command) const {
    if (line.frame != FrameWord::none) {
        return false;
    }
    const int index = keywordTableLookup(kDrawingWords, line.word);
    if (index < 0) {
        return false;
    }
    command = index + 1 == static_cast<int>(std::size(kDrawingWords))
                  ? GvCommandBuilder::Command::call
                  : static_cast<GvCommandBuilder::Command>(index);
    return true;
}
