#include "formats/GvGrvParser.h"

#include "formats/GvCommandBuilder.h"
#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbParsingValueCountException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueListSpec.h"
#include "formats/OrbValueStringTableHolder.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdStyle.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvKeywordTable.h"
#include "sim/GvPackedObjectType.h"
#include "sim/GvPhysics.h"
#include "sim/GvPresentation.h"

#include <climits>
#include <cmath>
#include <map>
#include <tuple>

namespace {

// Every word the format knows apart from the frame's and the drawing commands, in
// the order of kKeywords below.
enum class Keyword {
    variants,
    view,
    bonus,
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
    demo,
    unknown,
};

constexpr const char* kKeywords[] = {
    "variants",
    "view",
    "bonus",
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
    "demo",
};
static_assert(std::size(kKeywords) == static_cast<std::size_t>(Keyword::unknown));

// How the value of a per-variant parameter becomes the variant's field: the tick
// rate itself, a whole number as it is, seconds at the variant's tick rate, or a
// fraction of slime permeability.
enum class Unit { rate, whole, seconds, fraction };

struct Parameter {
    OrbValueListSpec single;
    OrbValueListSpec multi;
    int GvCaveVariant::*field;
    Unit unit;
};

// Objects as raw characters, in the order of their codes.
constexpr const char* kRawAlphabet = " .PXrRdDbBWwMGHV12345678asF-";

// The value descriptions of every keyword, made once.
struct Specs {
    GvTextParser::Names names{kPackedObjectKeywords, kPhysicsKeywords, kRawAlphabet, kKeywords};
    OrbValueStringTable<GvPresentation> viewTable =
        OrbValueStringTable<GvPresentation>::fromKeywords(kPresentationKeywords,
                                                          GvPresentation::scrolling);

    OrbValueListSpec version{{OrbValueSpec::real()}};
    OrbValueListSpec variants{{OrbValueSpec::integer(1, 9)}};
    OrbValueListSpec view{{OrbValueSpec::enumName(OrbValueStringTableHolder(viewTable))}};
    OrbValueListSpec variantNumber{{OrbValueSpec::integer()}};
    OrbValueListSpec amoeba{{OrbValueSpec::integer(0, INT_MAX), OrbValueSpec::integer(0, 255),
                             OrbValueSpec::integer(0, 255), OrbValueSpec::real(0, 999)}};

    // Per-variant parameters: one value for a variant block, 1..9 in a cave block.
    std::map<Keyword, Parameter> parameters;

    Specs() {
        const OrbValueSpec ticks = OrbValueSpec::integer(0, 9999);
        const OrbValueSpec seconds = OrbValueSpec::real(0, 999);
        const OrbValueSpec large = OrbValueSpec::integer(0, INT_MAX);
        const std::tuple<Keyword, OrbValueSpec, int GvCaveVariant::*, Unit> table[] = {
            {Keyword::tick_rate, OrbValueSpec::real(1, 100), nullptr, Unit::rate},
            {Keyword::game_ticks, ticks, &GvCaveVariant::game_ticks, Unit::whole},
            {Keyword::game_time, seconds, &GvCaveVariant::game_ticks, Unit::seconds},
            {Keyword::pre_game_ticks, ticks, &GvCaveVariant::pre_game_ticks, Unit::whole},
            {Keyword::pre_game_time, seconds, &GvCaveVariant::pre_game_ticks, Unit::seconds},
            {Keyword::diamond_quota, large, &GvCaveVariant::diamond_quota, Unit::whole},
            {Keyword::bomb_ticks, ticks, &GvCaveVariant::bomb_ticks, Unit::whole},
            {Keyword::magic_wall_ticks, ticks, &GvCaveVariant::magic_wall_ticks, Unit::whole},
            {Keyword::magic_wall_time, seconds, &GvCaveVariant::magic_wall_ticks, Unit::seconds},
            {Keyword::slime_permeability, OrbValueSpec::real(0, 1),
             &GvCaveVariant::slime_permeability, Unit::fraction},
            {Keyword::unpack_seed, large, &GvCaveVariant::unpack_seed, Unit::whole},
            {Keyword::world_seed, large, &GvCaveVariant::world_seed, Unit::whole},
        };
        for (const auto& [keyword, spec, field, unit] : table) {
            parameters.emplace(keyword, Parameter{OrbValueListSpec({spec}),
                                                  OrbValueListSpec({spec}, 1, 1, 9), field, unit});
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

void assignParameter(const Parameter& parameter, GvCaveVariant& variant, const OrbValue& value) {
    switch (parameter.unit) {
    case Unit::rate:
        variant.tick_rate = value.real;
        break;
    case Unit::whole:
        variant.*parameter.field = value.integer;
        break;
    case Unit::seconds:
        variant.*parameter.field = secondsToTicks(value.real, variant.tick_rate);
        break;
    case Unit::fraction:
        variant.*parameter.field = GvTextParser::permeability(value.real);
        break;
    }
}

void assignAmoeba(GvCaveVariant& variant, const std::vector<OrbValue>& values) {
    variant.amoeba_size_limit = values[0].integer;
    variant.amoeba_slow_chance = static_cast<std::uint8_t>(values[1].integer);
    variant.amoeba_fast_chance = static_cast<std::uint8_t>(values[2].integer);
    variant.amoeba_slow_ticks = secondsToTicks(values[3].real, variant.tick_rate);
}

} // namespace

GvGrvParser::GvGrvParser() : GvTextParser(specs().names) {}

void GvGrvParser::checkVersion(const std::string& text) {
    std::vector<OrbValue> values;
    specs().version.parseValues(text, ',', values);
    if (values[0].real != 3.0f) {
        throw std::string(GvParserMessage::kUnsupportedVersion);
    }
}

bool GvGrvParser::readPackLine(const Line& line, bool sawCave) {
    if (keywordOf<Keyword>(line) != Keyword::variants) {
        return false;
    }
    if (sawCave) {
        fail(GvParserMessage::syntax(reader_->lineCount()), GvParserMessage::kVariantsAfterCave);
    }
    std::vector<OrbValue> values;
    specs().variants.parseValues(line.values, ',', values);
    pack_->variant_count = values[0].integer;
    return true;
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
        // Words of the top level or of a variant alone mean the cave was not closed.
        GvCommandBuilder::Command command;
        const Keyword keyword = keywordOf<Keyword>(line);
        const bool outOfPlace = line.frame == FrameWord::none
                                    ? keyword == Keyword::variants || keyword == Keyword::demo ||
                                          (keyword == Keyword::unknown &&
                                           !GvCommandBuilder::commandNamed(line.word, command))
                                    : line.frame == FrameWord::version ||
                                          line.frame == FrameWord::cave ||
                                          line.frame == FrameWord::macro;
        if (outOfPlace) {
            expected(GvParserMessage::kCloseBrace);
        }
        if (line.frame == FrameWord::close_brace) {
            noValues(line.values);
            break;
        }
        if (keywordOf<Keyword>(line) == Keyword::variant) {
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
        if (readCaveLine(line, *cave)) {
            continue;
        }
        switch (keywordOf<Keyword>(line)) {
        case Keyword::view:
            s.view.parseValues(line.values, ',', values);
            cave->view = static_cast<GvPresentation>(values[0].code);
            break;
        case Keyword::bonus:
            noValues(line.values);
            cave->bonus = true;
            break;
        case Keyword::locked:
            noValues(line.values);
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
    while (nextBlockLine(line)) {
        switch (keywordOf<Keyword>(line)) {
        case Keyword::locked:
            noValues(line.values);
            variant.locked = true;
            break;
        case Keyword::demo:
            noValues(line.values);
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
            expected(GvParserMessage::kCloseBrace);
        }
        if (text == "}") {
            return;
        }
        if (!OrbValueSpec::parseQuoted(text, steps)) {
            throw OrbParsingSyntaxException();
        }
        appendDemoText(steps, variant, true);
    }
}

bool GvGrvParser::readParameter(const Line& line, GvCaveDef& cave, int onlyVariant) {
    const Specs& s = specs();
    std::vector<OrbValue> values;
    if (keywordOf<Keyword>(line) == Keyword::amoeba) {
        s.amoeba.parseValues(line.values, ',', values);
        for (int v = 0; v < cave.variantCount(); ++v) {
            if (onlyVariant < 0 || v == onlyVariant) {
                assignAmoeba(*cave.variants[static_cast<std::size_t>(v)], values);
            }
        }
        return true;
    }
    const auto found = s.parameters.find(keywordOf<Keyword>(line));
    if (found == s.parameters.end()) {
        return false;
    }
    const Parameter& parameter = found->second;
    if (onlyVariant >= 0) {
        parameter.single.parseValues(line.values, ',', values);
        assignParameter(parameter, *cave.variants[static_cast<std::size_t>(onlyVariant)],
                        values[0]);
        return true;
    }
    // One value serves every variant; otherwise there must be one per variant.
    const int count = static_cast<int>(OrbValueListSpec::split(line.values, ',').size());
    if (count != 1 && count != cave.variantCount()) {
        throw OrbParsingValueCountException();
    }
    parameter.multi.parseValues(line.values, ',', values);
    for (int v = 0; v < cave.variantCount(); ++v) {
        assignParameter(parameter, *cave.variants[static_cast<std::size_t>(v)],
                        values[count == 1 ? 0 : static_cast<std::size_t>(v)]);
    }
    return true;
}

bool GvGrvParser::drawingCommand(const Line& line, GvCommandBuilder::Command& command) const {
    return line.frame == FrameWord::none && GvCommandBuilder::commandNamed(line.word, command);
}
