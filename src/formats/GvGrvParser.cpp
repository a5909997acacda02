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
#include "sim/GvWrapMode.h"

#include <climits>
#include <cmath>
#include <map>

// Every word the format knows, in the order of kKeywords below.
enum class GvGrvParser::Keyword {
    variants,
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
    demo,
    unknown,
};

namespace {

using Keyword = GvGrvParser::Keyword;

constexpr const char* kKeywords[] = {
    "variants",
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
    "demo",
};
static_assert(std::size(kKeywords) == static_cast<std::size_t>(Keyword::unknown));

// The keyword at a place of the table; -1 is a word the format does not know.
Keyword keywordAt(int index) {
    return index < 0 ? Keyword::unknown : static_cast<Keyword>(index);
}

// The value descriptions of every keyword, made once.
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

    OrbValueListSpec version{{OrbValueSpec::real()}};
    OrbValueListSpec variants{{OrbValueSpec::integer(1, 9)}};
    OrbValueListSpec physics{{OrbValueSpec::enumName(OrbValueStringTableHolder(physicsTable))}};
    OrbValueListSpec wrap{{OrbValueSpec::enumName(OrbValueStringTableHolder(wrapTable))}};
    OrbValueListSpec view{{OrbValueSpec::enumName(OrbValueStringTableHolder(viewTable))}};
    OrbValueListSpec variantNumber{{OrbValueSpec::integer()}};
    OrbValueListSpec amoeba{{OrbValueSpec::integer(0, INT_MAX), OrbValueSpec::integer(0, 255),
                             OrbValueSpec::integer(0, 255), OrbValueSpec::real(0, 999)}};

    // Per-variant parameters: one value for a variant block, 1..9 in a cave block.
    std::map<Keyword, OrbValueListSpec> single;
    std::map<Keyword, OrbValueListSpec> multi;

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

// Objects as raw characters, in the order of their codes.
constexpr const char* kRawAlphabet = " .PXrRdDbBWwMGHV12345678asF-";

} // namespace

GvGrvParser::GvGrvParser() : GvTextParser(specs().object, kRawAlphabet) {}

GvGrvParser::~GvGrvParser() = default;

int GvGrvParser::keywordIndex(const std::string& word) const {
    return keywordTableLookup(kKeywords, word);
}

void GvGrvParser::checkVersion(const std::string& text) {
    std::vector<OrbValue> values;
    specs().version.parseValues(text, ',', values);
    if (values[0].real != 3.0f) {
        throw std::string(GvParserMessage::kUnsupportedVersion);
    }
}

bool GvGrvParser::readPackLine(const Line& line, bool sawCave) {
    if (keywordAt(line.keyword) != Keyword::variants) {
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
        const Keyword keyword = keywordAt(line.keyword);
        const bool outOfPlace = line.frame == FrameWord::none
                                    ? keyword == Keyword::variants || keyword == Keyword::demo ||
                                          (keyword == Keyword::unknown &&
                                           !GvCommandBuilder::commandNamed(line.word, command))
                                    : textIndex(line) < 0 && line.frame != FrameWord::close_brace;
        if (outOfPlace) {
            expected(GvParserMessage::kCloseBrace);
        }
        if (line.frame == FrameWord::close_brace) {
            noValues(line.values);
            break;
        }
        if (keywordAt(line.keyword) == Keyword::variant) {
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
        if (const int text = textIndex(line); text >= 0) {
            textField(*cave, text) = quotedText(line.values);
            continue;
        }
        switch (keywordAt(line.keyword)) {
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
            noValues(line.values);
            cave->bonus = true;
            break;
        case Keyword::intermission:
            noValues(line.values);
            cave->view = GvPresentation::full;
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
    for (;;) {
        if (!nextLine(line)) {
            expected(GvParserMessage::kCloseBrace);
        }
        if (line.frame == FrameWord::close_brace) {
            noValues(line.values);
            return;
        }
        switch (keywordAt(line.keyword)) {
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
    if (keywordAt(line.keyword) == Keyword::amoeba) {
        s.amoeba.parseValues(line.values, ',', values);
        for (int v = 0; v < cave.variantCount(); ++v) {
            if (onlyVariant < 0 || v == onlyVariant) {
                assignAmoeba(*cave.variants[static_cast<std::size_t>(v)], values);
            }
        }
        return true;
    }
    if (onlyVariant >= 0) {
        const auto spec = s.single.find(keywordAt(line.keyword));
        if (spec == s.single.end()) {
            return false;
        }
        spec->second.parseValues(line.values, ',', values);
        assignParameter(keywordAt(line.keyword),
                        *cave.variants[static_cast<std::size_t>(onlyVariant)], values[0]);
        return true;
    }
    const auto spec = s.multi.find(keywordAt(line.keyword));
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
        assignParameter(keywordAt(line.keyword), *cave.variants[static_cast<std::size_t>(v)],
                        values[count == 1 ? 0 : static_cast<std::size_t>(v)]);
    }
    return true;
}

bool GvGrvParser::drawingCommand(const Line& line, GvCommandBuilder::Command& command) const {
    return line.frame == FrameWord::none && GvCommandBuilder::commandNamed(line.word, command);
}
