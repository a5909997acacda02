#include "levelpack/GvLevelPack.h"

#include "levelpack/GvUnpackGrid.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvLevelPackRandomStream.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cmath>
#include <limits>

GvCaveDef* GvLevelPack::cave(int index) {
    return index >= 0 && index < caveCount() ? caves[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

const GvCaveDef* GvLevelPack::cave(int index) const {
    return index >= 0 && index < caveCount() ? caves[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

GvCaveVariant* GvLevelPack::variant(int caveIndex, int v) {
    GvCaveDef* const def = cave(caveIndex);
    return def != nullptr ? def->variant(v) : nullptr;
}

const GvCaveVariant* GvLevelPack::variant(int caveIndex, int v) const {
    const GvCaveDef* const def = cave(caveIndex);
    return def != nullptr ? def->variant(v) : nullptr;
}

std::unique_ptr<GvCaveDef> GvLevelPack::makeCave(int width, int height) const {
    return std::make_unique<GvCaveDef>(variant_count, width, height);
}

static char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

static bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

GvCaveDef* GvLevelPack::findCaveByName(std::string_view wanted) {
    for (const auto& def : caves) {
        if (equalIgnoringCase(def->name, wanted)) {
            return def.get();
        }
    }
    return nullptr;
}

const GvCaveDef* GvLevelPack::findCaveByName(std::string_view wanted) const {
    return const_cast<GvLevelPack*>(this)->findCaveByName(wanted);
}

void GvLevelPack::assignCaveCodes() {
    const bool twoLetters = caves.size() >= 27;
    int counter = 0;
    for (const bool bonusPass : {false, true}) {
        for (const auto& def : caves) {
            if (def->bonus != bonusPass) {
                continue;
            }
            if (twoLetters) {
                // Beyond 26 × 26 caves the first letter leaves the alphabet; such
                // packs do not occur, and the code stays two characters anyway.
                def->code = {static_cast<char>('A' + counter / 26),
                             static_cast<char>('A' + counter % 26)};
            } else {
                def->code = std::string(1, static_cast<char>('A' + counter));
            }
            ++counter;
        }
    }
}

std::string GvLevelPack::levelCode(int level) const {
    if (level < 0 || level >= levelCount()) {
        return {};
    }
    const GvCaveDef* const def = cave(level % caveCount());
    const std::string variantNumber = std::to_string(level / caveCount() + 1);
    return def->code.size() == 1 ? def->code + "-" + variantNumber : def->code + variantNumber;
}

static std::string trimmed(const std::string& text) {
    const char* const kBlank = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

bool GvLevelPack::buildLevel(int level, GvWorld& world) const {
    if (level < 0 || level >= levelCount()) {
        return false;
    }
    const int caveIndex = level % caveCount();
    if (!buildCaveVariant(caveIndex, level / caveCount(), world)) {
        return false;
    }
    const GvCaveDef& def = *cave(caveIndex);
    world.level_number = level;
    world.level_code = levelCode(level);
    world.display_name = trimmed(def.name);
    if (world.display_name.empty()) {
        world.display_name = "Cave " + def.code;
    }
    world.findPlayer();
    return true;
}

// Seeds 0..255 draw with the generator of the published cave format, so that
// caves taken from it come out as designed; larger seeds use the 32-bit one.
static std::unique_ptr<GvRandomStream> makeUnpackStream(int seed) {
    if (seed >= 0 && seed <= 255) {
        return std::make_unique<GvLevelPackRandomStream>(static_cast<std::uint8_t>(seed));
    }
    return std::make_unique<GvGamePlayRandomStream>(static_cast<std::uint32_t>(seed));
}

bool GvLevelPack::buildCaveVariant(int caveIndex, int v, GvWorld& world) const {
    const GvCaveDef* const def = cave(caveIndex);
    const GvCaveVariant* const record = def != nullptr ? def->variant(v) : nullptr;
    if (record == nullptr || def->width <= 0 || def->height <= 0) {
        return false;
    }

    world.reset(def->width, def->height, def->wrap);
    if (def->has_visible_area) {
        world.view_left = def->visible_left;
        world.view_top = def->visible_top;
        world.view_width = def->visible_width;
        world.view_height = def->visible_height;
        world.has_view = !(def->visible_left == 0 && def->visible_top == 0 &&
                           def->visible_width == def->width && def->visible_height == def->height);
    }
    world.presentation = def->view;
    world.physics = def->physics;
    world.bonus = def->bonus;

    world.tick_rate = record->tick_rate;
    world.game_ticks = record->game_ticks;
    world.pre_game_ticks = record->pre_game_ticks;
    world.diamond_quota = record->diamond_quota;
    world.bomb_ticks = record->bomb_ticks;
    world.amoeba_size_limit = record->amoeba_size_limit;
    world.amoeba_chance = record->amoeba_slow_chance;
    world.amoeba_fast_chance = record->amoeba_fast_chance;
    world.amoeba_slow_ticks = record->amoeba_slow_ticks;
    world.magic_wall_ticks = record->magic_wall_ticks;
    world.slime_permeability = record->slime_permeability;
    world.random = GvGamePlayRandomStream(static_cast<std::uint32_t>(record->world_seed));

    GvUnpackGrid grid(def->width, def->height);
    {
        const std::unique_ptr<GvRandomStream> stream = makeUnpackStream(record->unpack_seed);
        for (const auto& command : def->commands) {
            command->apply(grid, *stream);
        }
        for (const auto& command : record->commands) {
            command->apply(grid, *stream);
        }
    }

    for (int row = 0; row < def->height; ++row) {
        for (int col = 0; col < def->width; ++col) {
            const GvPackedObjectType type = grid.typeAt(col, row);
            if (type != GvPackedObjectType::space) {
                world.placeObject(
                    col, row,
                    createPackedObject(type, grid.styleAt(col, row), world.cosmetic_random));
            }
        }
    }
    world.filler_type = grid.fillerType();
    world.filler_style = grid.fillerStyle();
    return true;
}

std::vector<int> GvLevelPack::demoLevels() const {
    std::vector<int> levels;
    for (int i = 0; i < caveCount(); ++i) {
        for (int j = 0; j < caves[static_cast<std::size_t>(i)]->variantCount(); ++j) {
            if (!variant(i, j)->demo.empty()) {
                levels.push_back(i + j * caveCount());
            }
        }
    }
    std::sort(levels.begin(), levels.end());
    return levels;
}

const std::vector<GvDemoStep>& GvLevelPack::demo(int level) const {
    static const std::vector<GvDemoStep> kNoDemo;
    if (level < 0 || level >= levelCount()) {
        return kNoDemo;
    }
    const GvCaveVariant* const record = variant(level % caveCount(), level / caveCount());
    return record != nullptr ? record->demo : kNoDemo;
}

// The tick rate enters the digest in tenths, rounded, so that rates written
// with different precision (6.0, 6.04) still name the same level.
static std::int32_t tickRateTenths(float tickRate) {
    const double tenths = static_cast<double>(tickRate) * 10.0 + 0.5;
    if (!(tenths > std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (!(tenths < std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(tenths);
}

void GvLevelPack::levelDigest(int level, std::uint8_t* out16) const {
    GvMd5 md5;
    md5.updateInt(level);
    const int caveIndex = caveCount() > 0 ? level % caveCount() : -1;
    const GvCaveDef* const def = level >= 0 && level < levelCount() ? cave(caveIndex) : nullptr;
    const GvCaveVariant* const record =
        def != nullptr ? def->variant(level / caveCount()) : nullptr;
    if (record != nullptr) {
        md5.updateInt(def->width);
        md5.updateInt(def->height);
        if (def->wrap != GvWrapMode::none) {
            md5.updateByte(static_cast<std::uint8_t>(def->wrap));
        }
        md5.updateByte(static_cast<std::uint8_t>(def->physics));
        md5.updateInt(tickRateTenths(record->tick_rate));
        md5.updateInt(record->game_ticks);
        md5.updateInt(record->pre_game_ticks);
        md5.updateInt(record->diamond_quota);
        md5.updateInt(record->bomb_ticks);
        md5.updateInt(record->amoeba_size_limit);
        md5.updateByte(record->amoeba_slow_chance);
        md5.updateByte(record->amoeba_fast_chance);
        md5.updateInt(record->amoeba_slow_ticks);
        md5.updateInt(record->magic_wall_ticks);
        md5.updateInt(record->slime_permeability);
        md5.updateInt(record->world_seed);
        md5.updateInt(record->unpack_seed);
        for (const auto& command : def->commands) {
            command->serialise(md5);
        }
        for (const auto& command : record->commands) {
            command->serialise(md5);
        }
    }
    md5.final(out16);
}

GvMd5::Digest GvLevelPack::levelDigest(int level) const {
    GvMd5::Digest digest;
    levelDigest(level, digest.data());
    return digest;
}

// "A-1: Title": a capital letter, "-", a variant digit 1-9 and ":".
static bool hasFlatLevelPrefix(const std::string& name) {
    return name.size() >= 4 && name[0] >= 'A' && name[0] <= 'Z' && name[1] == '-' &&
           name[2] >= '1' && name[2] <= '9' && name[3] == ':';
}

void GvLevelPack::regroupFlatPack() {
    constexpr std::size_t kGroup = 20;
    const std::size_t n = caves.size();
    if (variant_count != 1 || n % kGroup != 0 || n < kGroup || n > 9 * kGroup) {
        return;
    }
    for (std::size_t i = 0; i < kGroup; ++i) {
        const GvCaveDef& first = *caves[i];
        if (!hasFlatLevelPrefix(first.name) || first.variantCount() < 1) {
            return;
        }
        for (std::size_t k = 1; k < n / kGroup; ++k) {
            const GvCaveDef& other = *caves[i + kGroup * k];
            if (other.width != first.width || other.height != first.height ||
                other.wrap != first.wrap || other.view != first.view ||
                other.bonus != first.bonus || other.variantCount() < 1) {
                return;
            }
            const std::string& a = first.name;
            const std::string& b = other.name;
            if (b.size() < 3 || b[0] != a[0] || b[1] != '-' || b[2] < '1' || b[2] > '9' ||
                b.compare(3, std::string::npos, a, 3, std::string::npos) != 0) {
                return;
            }
        }
    }

    const int groups = static_cast<int>(n / kGroup);
    std::vector<std::unique_ptr<GvCaveDef>> regrouped;
    for (std::size_t i = 0; i < kGroup; ++i) {
        const GvCaveDef& old = *caves[i];
        auto def = std::make_unique<GvCaveDef>(groups, old.width, old.height);
        // A name of just the prefix ("A-1:") leaves an empty title rather than
        // reading past its end.
        def->name = old.name.size() > 5 ? old.name.substr(5) : std::string();
        def->description = old.description;
        def->author = old.author;
        def->date = old.date;
        def->web = old.web;
        def->email = old.email;
        def->wrap = old.wrap;
        def->view = old.view;
        def->physics = old.physics;
        def->bonus = old.bonus;
        for (int k = 0; k < groups; ++k) {
            const GvCaveDef& source = *caves[i + kGroup * static_cast<std::size_t>(k)];
            const GvCaveVariant& sourceRecord = *source.variants.front();
            GvCaveVariant& record = *def->variants[static_cast<std::size_t>(k)];
            record.copyParametersFrom(sourceRecord);
            for (const auto& command : source.commands) {
                record.commands.push_back(command->clone());
            }
            for (const auto& command : sourceRecord.commands) {
                record.commands.push_back(command->clone());
            }
        }
        regrouped.push_back(std::move(def));
    }
    caves = std::move(regrouped);
    variant_count = groups;
}
