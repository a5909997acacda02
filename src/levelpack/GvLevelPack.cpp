#include "levelpack/GvLevelPack.h"

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
