#include "formats/GvBdcffParser.h"

#include "formats/GvBdcffConverter.h"
#include "formats/GvCommandBuilder.h"
#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbParsingValueCountException.h"
#include "formats/OrbValue.h"
#include "formats/OrbValueSpec.h"
#include "formats/OrbValueStringTableHolder.h"
#include "levelpack/GvCmdIsoRandomFill.h"
#include "levelpack/GvCmdLine.h"
#include "levelpack/GvCmdRaw.h"
#include "levelpack/GvCmdRectDot.h"
#include "levelpack/GvCmdRectFill.h"
#include "levelpack/GvCmdRectLine.h"
#include "levelpack/GvCmdSet.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvKeywordTable.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

// The section lines of the format, in the order of kSections below. "Level" is
// the name of a level restriction, written [Level=1,2].
enum class GvBdcffParser::Section {
    bdcff,
    bdcff_end,
    game,
    game_end,
    map_codes,
    map_codes_end,
    cave,
    cave_end,
    demo,
    demo_end,
    objects,
    objects_end,
    level,
    level_end,
    map,
    map_end,
    unknown,
};

namespace {

using Section = GvBdcffParser::Section;

constexpr const char* kSections[] = {
    "[BDCFF]", "[/BDCFF]", "[Game]", "[/Game]", "[MapCodes]", "[/MapCodes]",
    "[Cave]",  "[/Cave]",  "[Demo]", "[/Demo]", "[Objects]",  "[/Objects]",
    "Level",   "[/Level]", "[Map]",  "[/Map]",
};
static_assert(std::size(kSections) == static_cast<std::size_t>(Section::unknown));

std::string trimmed(const std::string& text) {
    const char* const kBlank = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

bool equalIgnoringCase(const std::string& a, const char* b) {
    const char* const table[] = {b};
    return keywordTableLookup(table, a) == 0;
}

// A section line is looked up whole, except that a line holding "=" is named by
// what stands before it: [Level=1,2] is a "Level" line.
Section sectionOf(const std::string& line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return Section::unknown;
    }
    const std::size_t equals = line.find('=');
    const std::string name =
        equals == std::string::npos ? line : trimmed(line.substr(1, equals - 1));
    const int index = keywordTableLookup(kSections, name);
    return index < 0 ? Section::unknown : static_cast<Section>(index);
}

// The name by which a section line's end is found: [Name] and [Name=...] end
// at [/Name].
std::string sectionName(const std::string& line) {
    std::string inner = line.substr(1, line.size() - 2);
    const std::size_t equals = inner.find('=');
    if (equals != std::string::npos) {
        inner.resize(equals);
    }
    return trimmed(inner);
}

std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && text[at] != ' ' && text[at] != '\t') {
            ++at;
        }
        if (at > start) {
            out.push_back(text.substr(start, at - start));
        }
    }
    return out;
}

// Reads every token with its spec: the specs in order, then the last `tail`
// specs again and again. A range error names the token's position.
std::vector<OrbValue> parseTokens(const std::vector<std::string>& pieces,
                                  const std::vector<const OrbValueSpec*>& specs, int tail = 0) {
    const int base = static_cast<int>(specs.size());
    std::vector<OrbValue> out(pieces.size());
    for (int j = 0; j < static_cast<int>(pieces.size()); ++j) {
        const int e = j < base ? j : base - tail + (j - base) % tail;
        try {
            specs[static_cast<std::size_t>(e)]->parse(pieces[static_cast<std::size_t>(j)],
                                                      out[static_cast<std::size_t>(j)]);
        } catch (const OrbParsingRangeException&) {
            throw OrbParsingRangeException(j);
        }
    }
    return out;
}

void requireCount(std::size_t count, std::size_t min, std::size_t max, std::size_t step = 1) {
    if (count < min || count > max || (count - min) % step != 0) {
        throw OrbParsingValueCountException();
    }
}

std::vector<int> integers(const std::vector<OrbValue>& values) {
    std::vector<int> out;
    out.reserve(values.size());
    for (const OrbValue& value : values) {
        out.push_back(value.integer);
    }
    return out;
}

// BDCFF's object names. Its butterflies are named by a different turning
// convention, so their directions do not map one to one.
OrbValueStringTable<GvPackedObjectType> makeObjectTable() {
    using T = GvPackedObjectType;
    return OrbValueStringTable<T>(
        {
            {"Space", T::space},
            {"Dirt", T::dirt},
            {"Wall", T::brick_wall},
            {"MagicWall", T::magic_wall},
            {"OutBox", T::out_box},
            {"HiddenOutBox", T::out_box},
            {"SteelWall", T::steel_wall},
            {"FireflyL", T::firefly_l},
            {"FireflyU", T::firefly_u},
            {"FireflyR", T::firefly_r},
            {"FireflyD", T::firefly_d},
            {"Boulder", T::boulder},
            {"BoulderF", T::boulder_f},
            {"Falling_Boulder", T::boulder_f},
            {"Diamond", T::diamond},
            {"DiamondF", T::diamond_f},
            {"Falling_Diamond", T::diamond_f},
            {"InBox", T::in_box},
            {"HExpandingWall", T::growing_wall_h},
            {"HExpanding_Wall", T::growing_wall_h},
            {"VExpandingWall", T::growing_wall_v},
            {"VExpanding_Wall", T::growing_wall_v},
            {"ExpandingWall", T::growing_wall},
            {"Expanding_Wall", T::growing_wall},
            {"ButterflyL", T::butterfly_d},
            {"ButterflyU", T::butterfly_l},
            {"ButterflyR", T::butterfly_u},
            {"ButterflyD", T::butterfly_r},
            {"Amoeba", T::amoeba},
            {"Slime", T::slime},
            {"Dummy", T::voodoo_doll},
            {"None", T::none},
        },
        T::none);
}

// The object of a map character, or -1.
int mapCode(char c) {
    using T = GvPackedObjectType;
    switch (c) {
    case ' ':
        return static_cast<int>(T::space);
    case '.':
        return static_cast<int>(T::dirt);
    case 'w':
        return static_cast<int>(T::brick_wall);
    case 'W':
        return static_cast<int>(T::steel_wall);
    case 'M':
        return static_cast<int>(T::magic_wall);
    case 'P':
        return static_cast<int>(T::in_box);
    case 'X':
    case 'H':
        return static_cast<int>(T::out_box);
    case 'r':
        return static_cast<int>(T::boulder);
    case 'd':
        return static_cast<int>(T::diamond);
    case 'Q':
        return static_cast<int>(T::firefly_l);
    case 'o':
        return static_cast<int>(T::firefly_u);
    case 'O':
        return static_cast<int>(T::firefly_r);
    case 'q':
        return static_cast<int>(T::firefly_d);
    case 'b':
        return static_cast<int>(T::butterfly_l);
    case 'B':
        return static_cast<int>(T::butterfly_u);
    case 'c':
        return static_cast<int>(T::butterfly_r);
    case 'C':
        return static_cast<int>(T::butterfly_d);
    case 'a':
        return static_cast<int>(T::amoeba);
    case 's':
        return static_cast<int>(T::slime);
    case 'F':
        return static_cast<int>(T::voodoo_doll);
    case 'V':
        return static_cast<int>(T::growing_wall);
    case 'x':
        return static_cast<int>(T::growing_wall_h);
    case 'v':
        return static_cast<int>(T::growing_wall_v);
    default:
        return -1;
    }
}

struct Specs {
    OrbValueStringTable<GvPackedObjectType> objectTable = makeObjectTable();

    OrbValueSpec object = OrbValueSpec::enumName(OrbValueStringTableHolder(objectTable));
    OrbValueSpec coordinate = OrbValueSpec::integer(0, 1000);
    OrbValueSpec offset = OrbValueSpec::integer(-1000, 1000);
    OrbValueSpec count = OrbValueSpec::integer(1, 1000);
    OrbValueSpec probability = OrbValueSpec::integer(0, 255);
    OrbValueSpec seed = OrbValueSpec::integer(0, INT_MAX);
    OrbValueSpec level = OrbValueSpec::integer(1, 10);
    OrbValueSpec side = OrbValueSpec::integer(4, 100);
    OrbValueSpec visible = OrbValueSpec::integer(0, 99);
    OrbValueSpec diamonds = OrbValueSpec::integer(0, 999);
    OrbValueSpec seconds = OrbValueSpec::integer(0, 9999);
    OrbValueSpec delay = OrbValueSpec::integer(0, 100);
    OrbValueSpec randSeed = OrbValueSpec::integer(0, 255);
    OrbValueSpec anyInteger = OrbValueSpec::integer();
    OrbValueSpec fraction = OrbValueSpec::real(0, 1);
};

const Specs& specs() {
    static const Specs instance;
    return instance;
}

GvPackedObjectType objectOf(const OrbValue& value) {
    return static_cast<GvPackedObjectType>(value.code);
}

// BDCFF writers do not agree on the order of corners; the drawing needs the
// smaller one first.
void orderCorners(std::vector<OrbValue>& v) {
    if (v[2].integer < v[0].integer) {
        std::swap(v[0].integer, v[2].integer);
    }
    if (v[3].integer < v[1].integer) {
        std::swap(v[1].integer, v[3].integer);
    }
}

long long area(const std::vector<OrbValue>& v) {
    return (static_cast<long long>(v[2].integer) - v[0].integer + 1) *
           (static_cast<long long>(v[3].integer) - v[1].integer + 1);
}

GvBdcffSize readSize(const std::string& text) {
    const Specs& s = specs();
    const std::vector<std::string> pieces = tokens(text);
    if (pieces.size() != 2 && pieces.size() != 6) {
        throw OrbParsingValueCountException();
    }
    const std::vector<OrbValue> v =
        parseTokens(pieces, {&s.side, &s.side, &s.visible, &s.visible, &s.visible, &s.visible});
    GvBdcffSize size;
    size.width = v[0].integer;
    size.height = v[1].integer;
    size.visibleWidth = size.width;
    size.visibleHeight = size.height;
    if (pieces.size() == 6) {
        size.visibleLeft = v[2].integer;
        size.visibleTop = v[3].integer;
        size.visibleWidth = v[4].integer - v[2].integer + 1;
        size.visibleHeight = v[5].integer - v[3].integer + 1;
        if (v[4].integer >= size.width || v[5].integer >= size.height || size.visibleWidth < 4 ||
            size.visibleHeight < 4) {
            throw OrbParsingRangeException();
        }
    }
    return size;
}

// A key line splits at its first "="; a line without one is no key and is passed
// over.
bool splitKey(const std::string& line, std::string& key, std::string& value) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return false;
    }
    key = trimmed(line.substr(0, equals));
    value = trimmed(line.substr(equals + 1));
    return true;
}

// The texts a game and a cave both carry; false when `key` names none of them.
template <typename Record>
bool readTextKey(Record& record, const std::string& key, const std::string& value) {
    const std::pair<const char*, std::string*> fields[] = {
        {"Name", &record.name},
        {"Date", &record.date},
        {"Author", &record.author},
        {"WWW", &record.web},
        {"Description", &record.description},
    };
    for (const auto& [name, field] : fields) {
        if (equalIgnoringCase(key, name)) {
            *field = value;
            return true;
        }
    }
    return false;
}

// An 8-bit mask lets an object through when a random byte misses all its set
// bits: each set bit halves the chance.
double permeabilityOfMask(int mask) {
    const int bits = std::popcount(static_cast<unsigned>(mask) & 0xffu);
    return std::ldexp(1.0, -bits);
}

} // namespace

GvBdcffParser::GvBdcffParser() = default;

GvBdcffParser::~GvBdcffParser() = default;

std::unique_ptr<GvLevelPack>
GvBdcffParser::parse(OrbStream& stream, std::vector<std::string>* messages, bool headerOnly) {
    game_ = GvBdcffGameRecord();
    caves_.clear();
    work_ = 0;
    commandCount_ = 0;

    // Comments, but no quotes: BDCFF texts are not quoted.
    std::unique_ptr<GvLevelPack> result = parseLines(stream, messages, false, [&] {
        std::string line;
        if (!nextLine(line) || sectionOf(line) != Section::bdcff) {
            expected("BDCFF section");
        }
        bool reading = true;
        while (reading && nextLine(line)) {
            if (line[0] != '[') {
                continue;
            }
            switch (sectionOf(line)) {
            case Section::game:
                reading = readGame(headerOnly);
                break;
            case Section::bdcff_end:
                reading = false;
                break;
            default:
                if (headerOnly) {
                    reading = false;
                    break;
                }
                expected("End of BDCFF section");
            }
        }
        if (headerOnly) {
            return GvBdcffConverter::header(game_);
        }
        std::unique_ptr<GvLevelPack> pack = GvBdcffConverter::convert(game_, caves_);
        validate(*pack);
        return pack;
    });
    caves_.clear();
    return result;
}

bool GvBdcffParser::nextLine(std::string& text) {
    return reader_->readLine(text, true, true);
}

void GvBdcffParser::requireSectionEnd(const std::string& line) {
    if (line.back() != ']') {
        expected("Section keyword");
    }
}

bool GvBdcffParser::readGame(bool headerOnly) {
    std::string line;
    while (nextLine(line)) {
        if (line[0] != '[') {
            std::string key;
            std::string value;
            if (splitKey(line, key, value)) {
                readGameKey(key, value);
            }
            continue;
        }
        requireSectionEnd(line);
        switch (sectionOf(line)) {
        case Section::cave:
            if (headerOnly) {
                return false;
            }
            readCave();
            break;
        case Section::game_end:
            return true;
        case Section::map_codes:
            throw std::string(GvParserMessage::kMapCodesNotSupported);
        default:
            skipSection(line);
            break;
        }
    }
    expected("End of Game section");
}

void GvBdcffParser::skipSection(const std::string& line) {
    if (line.size() < 3 || line.compare(0, 2, "[/") == 0) {
        throw OrbParsingSyntaxException();
    }
    // Nested sections are tracked on a list rather than by recursion, so that no
    // depth of nesting can exhaust the stack.
    std::vector<std::string> open{sectionName(line)};
    std::string text;
    while (!open.empty()) {
        if (!nextLine(text)) {
            expected("End of " + open.back() + " section");
        }
        if (text[0] != '[') {
            continue;
        }
        requireSectionEnd(text);
        if (text.size() >= 3 && text[1] == '/') {
            if (!equalIgnoringCase(trimmed(text.substr(2, text.size() - 3)), open.back().c_str())) {
                expected("End of " + open.back() + " section");
            }
            open.pop_back();
        } else {
            open.push_back(sectionName(text));
        }
    }
}

void GvBdcffParser::readGameKey(const std::string& key, const std::string& value) {
    const Specs& s = specs();
    if (readTextKey(game_, key, value)) {
        return;
    }
    if (equalIgnoringCase(key, "Levels")) {
        const std::vector<std::string> pieces = tokens(value);
        requireCount(pieces.size(), 1, 1);
        game_.levels = parseTokens(pieces, {&s.level})[0].integer;
    } else if (equalIgnoringCase(key, "CaveSize")) {
        game_.caveSize = readSize(value);
    } else if (equalIgnoringCase(key, "IntermissionSize")) {
        game_.intermissionSize = readSize(value);
    }
}

void GvBdcffParser::readCave() {
    caves_.emplace_back();
    GvBdcffCaveRecord& cave = caves_.back();
    std::string line;
    while (nextLine(line)) {
        if (line[0] != '[') {
            std::string key;
            std::string value;
            if (splitKey(line, key, value)) {
                readCaveKey(cave, key, value);
            }
            continue;
        }
        requireSectionEnd(line);
        switch (sectionOf(line)) {
        case Section::objects:
            readObjects(cave);
            break;
        case Section::map:
            readMap(cave);
            break;
        case Section::demo:
            readDemo(cave);
            break;
        case Section::cave_end:
            return;
        default:
            skipSection(line);
            break;
        }
    }
    expected("End of Game section");
}

std::vector<OrbValue> GvBdcffParser::perLevel(const std::string& text,
                                              const OrbValueSpec& spec) const {
    const std::vector<std::string> pieces = tokens(text);
    if (pieces.size() != 1 && static_cast<int>(pieces.size()) != game_.levels) {
        throw OrbParsingValueCountException();
    }
    return parseTokens(pieces, {&spec}, 1);
}

void GvBdcffParser::readCaveKey(GvBdcffCaveRecord& cave, const std::string& key,
                                const std::string& value) {
    const Specs& s = specs();
    const auto upToTen = [&](const OrbValueSpec& spec) {
        const std::vector<std::string> pieces = tokens(value);
        requireCount(pieces.size(), 1, 10);
        return integers(parseTokens(pieces, {&spec}, 1));
    };
    if (readTextKey(cave, key, value)) {
        return;
    }
    if (equalIgnoringCase(key, "Intermission")) {
        cave.intermission = equalIgnoringCase(value, "true");
    } else if (equalIgnoringCase(key, "Size")) {
        cave.size = readSize(value);
        cave.hasSize = true;
    } else if (equalIgnoringCase(key, "DiamondsRequired")) {
        cave.diamondsRequired = upToTen(s.diamonds);
    } else if (equalIgnoringCase(key, "CaveTime")) {
        cave.caveTime = upToTen(s.seconds);
    } else if (equalIgnoringCase(key, "CaveDelay")) {
        cave.caveDelay = upToTen(s.delay);
    } else if (equalIgnoringCase(key, "RandSeed")) {
        cave.randSeed = upToTen(s.randSeed);
    } else if (equalIgnoringCase(key, "InitialFill")) {
        const std::vector<std::string> pieces = tokens(value);
        requireCount(pieces.size(), 1, 1);
        cave.initialFill = objectOf(parseTokens(pieces, {&s.object})[0]);
    } else if (equalIgnoringCase(key, "RandomFill")) {
        const std::vector<std::string> pieces = tokens(value);
        requireCount(pieces.size(), 2, 20, 2);
        const std::vector<OrbValue> v = parseTokens(pieces, {&s.object, &s.probability}, 2);
        std::vector<GvCmdRandomFill::Entry> entries;
        for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
            entries.push_back({objectOf(v[i]), static_cast<std::uint8_t>(v[i + 1].integer)});
        }
        // The largest cave: the size is known only when the cave is converted.
        constexpr long long kLargestArea = 100 * 100;
        addObject(cave, GvBdcffObject::randomFill(std::move(entries)), kLargestArea);
        addObject(cave, GvBdcffObject::border(), 4 * 100);
    } else if (equalIgnoringCase(key, "MagicWallTime")) {
        cave.magicWallTime = integers(perLevel(value, s.seconds));
    } else if (equalIgnoringCase(key, "AmoebaTime")) {
        cave.amoebaTime = integers(perLevel(value, s.seconds));
    } else if (equalIgnoringCase(key, "HatchingDelay")) {
        cave.hatchingDelay = integers(perLevel(value, s.anyInteger));
    } else if (equalIgnoringCase(key, "AmoebaGrowthProb")) {
        const std::vector<std::string> pieces = tokens(value);
        requireCount(pieces.size(), 2, 2);
        const std::vector<OrbValue> v = parseTokens(pieces, {&s.fraction, &s.fraction});
        cave.amoebaSlowChance = v[0].real;
        cave.amoebaFastChance = v[1].real;
    } else if (equalIgnoringCase(key, "AmoebaThreshold")) {
        const std::vector<std::string> pieces = tokens(value);
        requireCount(pieces.size(), 1, 1);
        cave.amoebaThreshold = parseTokens(pieces, {&s.fraction})[0].real;
    } else if (equalIgnoringCase(key, "SlimePermeability") ||
               equalIgnoringCase(key, "SlimePermeabilityC64")) {
        const bool masks =
            equalIgnoringCase(key, "SlimePermeabilityC64") || value.find('.') == std::string::npos;
        const std::vector<OrbValue> v = perLevel(value, masks ? s.anyInteger : s.fraction);
        cave.slimePermeability.clear();
        for (const OrbValue& one : v) {
            cave.slimePermeability.push_back(masks ? permeabilityOfMask(one.integer)
                                                   : static_cast<double>(one.real));
        }
    }
}

void GvBdcffParser::addObject(GvBdcffCaveRecord& cave, GvBdcffObject object, long long work) {
    const long long levels =
        object.appliesToAllLevels() ? game_.levels : static_cast<long long>(object.levels.size());
    // Every level draws the object once, so both limits count it per level.
    work_ += std::max(work, 1LL) * std::max(levels, 1LL);
    commandCount_ += std::max(levels, 1LL);
    if (work_ > kMaxDrawingWork || commandCount_ > GvCommandBuilder::kMaxCommands) {
        throw GvParserMessage::tooManyCommands(reader_->lineCount());
    }
    cave.objects.push_back(std::move(object));
}

void GvBdcffParser::readObjects(GvBdcffCaveRecord& cave) {
    const Specs& s = specs();
    std::vector<int> levels;
    bool inLevel = false;
    std::string line;
    for (;;) {
        if (!nextLine(line)) {
            expected(inLevel ? "End of Level section" : "End of Objects section");
        }
        if (line[0] != '[') {
            readObject(cave, line, levels);
            continue;
        }
        const Section section = sectionOf(line);
        if (!inLevel && section == Section::objects_end) {
            return;
        }
        if (inLevel && section == Section::level_end) {
            inLevel = false;
            levels.clear();
            continue;
        }
        if (inLevel || section != Section::level) {
            expected(inLevel ? "End of Level section" : "End of Objects section");
        }
        const std::string list = line.substr(line.find('=') + 1, line.size() - line.find('=') - 2);
        std::vector<std::string> pieces;
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = list.find(',', start);
            pieces.push_back(trimmed(list.substr(start, comma - start)));
            if (comma == std::string::npos) {
                break;
            }
            start = comma + 1;
        }
        levels = integers(parseTokens(pieces, {&s.level}, 1));
        inLevel = true;
    }
}

void GvBdcffParser::readObject(GvBdcffCaveRecord& cave, const std::string& line,
                               const std::vector<int>& levels) {
    const Specs& s = specs();
    const std::size_t equals = line.find('=');
    const std::string key = trimmed(line.substr(0, equals));
    const std::vector<std::string> pieces =
        equals == std::string::npos ? std::vector<std::string>() : tokens(line.substr(equals + 1));
    const auto restricted = [&](GvBdcffObject object) {
        object.levels = levels;
        return object;
    };
    const OrbValueSpec* const c = &s.coordinate;
    if (equalIgnoringCase(key, "Point")) {
        requireCount(pieces.size(), 3, 3);
        const auto v = parseTokens(pieces, {c, c, &s.object});
        addObject(cave,
                  restricted(GvBdcffObject(
                      std::make_unique<GvCmdSet>(v[0].integer, v[1].integer, objectOf(v[2])))),
                  1);
    } else if (equalIgnoringCase(key, "Line")) {
        requireCount(pieces.size(), 5, 5);
        const auto v = parseTokens(pieces, {c, c, c, c, &s.object});
        const long long length =
            std::max(std::abs(v[2].integer - v[0].integer), std::abs(v[3].integer - v[1].integer));
        addObject(cave,
                  restricted(GvBdcffObject(std::make_unique<GvCmdLine>(
                      v[0].integer, v[1].integer, v[2].integer, v[3].integer, objectOf(v[4])))),
                  length + 1);
    } else if (equalIgnoringCase(key, "Rectangle")) {
        requireCount(pieces.size(), 5, 5);
        auto v = parseTokens(pieces, {c, c, c, c, &s.object});
        orderCorners(v);
        addObject(cave,
                  restricted(GvBdcffObject(std::make_unique<GvCmdRectLine>(
                      v[0].integer, v[1].integer, v[2].integer, v[3].integer, objectOf(v[4])))),
                  2 * (v[2].integer - v[0].integer + v[3].integer - v[1].integer + 2));
    } else if (equalIgnoringCase(key, "FillRect")) {
        requireCount(pieces.size(), 5, 6);
        auto v = parseTokens(pieces, {c, c, c, c, &s.object, &s.object});
        orderCorners(v);
        const GvPackedObjectType border = objectOf(v[4]);
        addObject(cave,
                  restricted(GvBdcffObject(std::make_unique<GvCmdRectFill>(
                      v[0].integer, v[1].integer, v[2].integer, v[3].integer, border,
                      v.size() > 5 ? objectOf(v[5]) : border))),
                  area(v));
    } else if (equalIgnoringCase(key, "Raster")) {
        requireCount(pieces.size(), 7, 7);
        const auto v =
            parseTokens(pieces, {c, c, &s.count, &s.count, &s.count, &s.count, &s.object});
        addObject(cave,
                  restricted(GvBdcffObject(std::make_unique<GvCmdRectDot>(
                      v[0].integer, v[1].integer, v[2].integer, v[3].integer, v[4].integer,
                      v[5].integer, objectOf(v[6])))),
                  static_cast<long long>(v[2].integer) * v[3].integer);
    } else if (equalIgnoringCase(key, "Add")) {
        requireCount(pieces.size(), 4, 4);
        const auto v = parseTokens(pieces, {&s.offset, &s.offset, &s.object, &s.object});
        addObject(cave,
                  restricted(GvBdcffObject::parasite(v[0].integer, v[1].integer, objectOf(v[2]),
                                                     objectOf(v[3]))),
                  100 * 100);
    } else if (equalIgnoringCase(key, "RandomFillC64")) {
        // Corners, a seed for each of five levels, the fill, then object and
        // probability pairs.
        requireCount(pieces.size(), 10, 10 + 2 * 256, 2);
        auto v = parseTokens(pieces,
                             {c, c, c, c, &s.seed, &s.seed, &s.seed, &s.seed, &s.seed, &s.object,
                              &s.object, &s.probability},
                             2);
        orderCorners(v);
        std::vector<GvCmdRandomFill::Entry> entries;
        for (std::size_t i = 10; i + 1 < v.size(); i += 2) {
            entries.push_back({objectOf(v[i]), static_cast<std::uint8_t>(v[i + 1].integer)});
        }
        // One fill per level with that level's seed; levels past the fifth keep
        // the fifth seed rather than go without the fill.
        for (int level = 1; level <= game_.levels; ++level) {
            if (!levels.empty() && std::find(levels.begin(), levels.end(), level) == levels.end()) {
                continue;
            }
            GvBdcffObject object(std::make_unique<GvCmdIsoRandomFill>(
                v[0].integer, v[1].integer, v[2].integer, v[3].integer, objectOf(v[9]), entries,
                v[4 + static_cast<std::size_t>(std::min(level, 5)) - 1].integer));
            object.levels = {level};
            addObject(cave, std::move(object), area(v));
        }
    } else {
        fail(GvParserMessage::syntax(reader_->lineCount()), GvParserMessage::objectCommand(key));
    }
}

void GvBdcffParser::readMap(GvBdcffCaveRecord& cave) {
    std::string line;
    int row = 0;
    for (;;) {
        // Map lines are taken as written: a space is a cell, and ";" is no comment.
        if (!reader_->readLine(line, false, false)) {
            expected("End of Map section");
        }
        std::string stripped = line;
        reader_->stripLine(stripped);
        if (sectionOf(stripped) == Section::map_end) {
            return;
        }
        std::vector<GvPackedObjectType> objects;
        objects.reserve(line.size());
        for (const char ch : line) {
            const int code = mapCode(ch);
            if (code < 0) {
                fail(GvParserMessage::syntax(reader_->lineCount()), GvParserMessage::mapCode(ch));
            }
            objects.push_back(static_cast<GvPackedObjectType>(code));
        }
        const long long work = static_cast<long long>(objects.size());
        addObject(cave, GvBdcffObject(std::make_unique<GvCmdRaw>(0, row, std::move(objects))),
                  work);
        // Rows past any cave's height draw nothing; counting stops before it wraps.
        if (row < INT_MAX) {
            ++row;
        }
    }
}

void GvBdcffParser::readDemo(GvBdcffCaveRecord& cave) {
    std::string line;
    for (;;) {
        if (!nextLine(line)) {
            expected("End of Demo section");
        }
        if (line[0] == '[') {
            if (sectionOf(line) == Section::demo_end) {
                return;
            }
            expected("End of Demo section");
        }
        for (const std::string& token : tokens(line)) {
            int count = 0;
            const OrbValueSpec::NumberResult result =
                OrbValueSpec::parseInteger(token.substr(1), count);
            if (result == OrbValueSpec::NumberResult::syntaxError) {
                throw OrbParsingSyntaxException();
            }
            if (result == OrbValueSpec::NumberResult::outOfRange || count < 1) {
                throw OrbParsingRangeException();
            }
            const int moves = demoLetterMoves(token[0]);
            if (moves < 0) {
                fail(GvParserMessage::syntax(reader_->lineCount()),
                     GvParserMessage::demoCommand(token[0]));
            }
            if (!cave.demo.empty() && cave.demo.back().moves == moves) {
                GvDemoStep& last = cave.demo.back();
                last.count = count > INT_MAX - last.count ? INT_MAX : last.count + count;
            } else {
                cave.demo.push_back(GvDemoStep{moves, count});
            }
        }
    }
}
