#include "formats/GvBdcffConverter.h"

#include "formats/GvParserMessage.h"
#include "levelpack/GvLevelPack.h"
#include "levelpack/GvUnpackGrid.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvLevelPackRandomStream.h"

#include <algorithm>
#include <cmath>

namespace {

// Start delays of levels 1 to 5 when a cave gives none; later levels have none.
constexpr int kDefaultCaveDelay[] = {12, 6, 3, 1, 0};

// The level's value of a list that holds one value for all levels or one per
// level: the last value stands for the levels beyond it.
template <typename T> T levelValue(const std::vector<T>& values, int w, T fallback) {
    if (values.empty()) {
        return fallback;
    }
    return values[std::min(static_cast<std::size_t>(w), values.size() - 1)];
}

int rounded(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

bool closesEdge(GvPackedObjectType type) {
    return type == GvPackedObjectType::steel_wall || type == GvPackedObjectType::out_box;
}

} // namespace

std::unique_ptr<GvLevelPack> GvBdcffConverter::header(const GvBdcffGameRecord& game) {
    auto pack = std::make_unique<GvLevelPack>();
    pack->name = game.name;
    pack->description = game.description;
    pack->author = game.author;
    pack->date = game.date;
    pack->web = game.web;
    pack->variant_count = game.levels;
    return pack;
}

std::unique_ptr<GvLevelPack>
GvBdcffConverter::convert(const GvBdcffGameRecord& game,
                          const std::vector<GvBdcffCaveRecord>& caves) {
    if (caves.empty()) {
        throw std::string(GvParserMessage::kNoLevels);
    }
    for (std::size_t i = 0; i < caves.size(); ++i) {
        const GvBdcffCaveRecord& record = caves[i];
        const std::string name = record.name.empty() ? std::to_string(i + 1) : record.name;
        if (static_cast<int>(record.caveTime.size()) < game.levels) {
            throw GvParserMessage::missingCaveTimes(name);
        }
        if (static_cast<int>(record.diamondsRequired.size()) < game.levels) {
            throw GvParserMessage::missingDiamondQuotas(name);
        }
    }
    std::unique_ptr<GvLevelPack> pack = header(game);
    for (std::size_t i = 0; i < caves.size(); ++i) {
        pack->caves.push_back(convertCave(game, caves[i], static_cast<int>(i)));
    }
    return pack;
}

std::unique_ptr<GvCaveDef> GvBdcffConverter::convertCave(const GvBdcffGameRecord& game,
                                                         const GvBdcffCaveRecord& record,
                                                         int index) {
    const int levels = game.levels;
    const GvBdcffSize& size = record.hasSize
                                  ? record.size
                                  : (record.intermission ? game.intermissionSize : game.caveSize);
    auto def = std::make_unique<GvCaveDef>(levels, size.width, size.height);
    def->name = record.name;
    def->description = record.description;
    def->author = record.author;
    def->date = record.date;
    def->web = record.web;
    def->visible_left = size.visibleLeft;
    def->visible_top = size.visibleTop;
    def->visible_width = size.visibleWidth;
    def->visible_height = size.visibleHeight;
    def->has_visible_area = size.visibleLeft != 0 || size.visibleTop != 0 ||
                            size.visibleWidth != size.width || size.visibleHeight != size.height;
    def->physics = GvPhysics::retro;
    def->view = record.intermission ? GvPresentation::full : GvPresentation::scrolling;
    // The first cave must be playable from the start, so it is never a bonus.
    def->bonus = record.intermission && index > 0;

    // Objects for all levels go to the cave as long as nothing restricted came
    // before them; from then on every variant gets its own copies, so that each
    // level still draws in the file's order.
    bool perVariant = false;
    for (const GvBdcffObject& object : record.objects) {
        perVariant = perVariant || !object.appliesToAllLevels();
        if (!perVariant) {
            def->commands.push_back(object.make(size.width, size.height, record.initialFill));
            continue;
        }
        for (int v = 0; v < levels; ++v) {
            if (object.appliesTo(v + 1)) {
                def->variants[static_cast<std::size_t>(v)]->commands.push_back(
                    object.make(size.width, size.height, record.initialFill));
            }
        }
    }

    const int area = size.width * size.height;
    for (int w = 0; w < levels; ++w) {
        GvCaveVariant& variant = *def->variants[static_cast<std::size_t>(w)];
        variant.pre_game_ticks = 24;
        variant.diamond_quota = record.diamondsRequired[static_cast<std::size_t>(w)];
        variant.amoeba_size_limit = rounded(record.amoebaThreshold * area);
        variant.amoeba_slow_chance =
            static_cast<std::uint8_t>(rounded(record.amoebaSlowChance * 255));
        variant.amoeba_fast_chance =
            static_cast<std::uint8_t>(rounded(record.amoebaFastChance * 255));
        variant.slime_permeability = static_cast<int>(
            std::floor(levelValue(record.slimePermeability, w, 1.0) * 65536.0 + 0.5));
        variant.unpack_seed = w < static_cast<int>(record.randSeed.size())
                                  ? record.randSeed[static_cast<std::size_t>(w)]
                                  : 0;

        const int caveDelay = w < static_cast<int>(record.caveDelay.size())
                                  ? record.caveDelay[static_cast<std::size_t>(w)]
                                  : (w < 5 ? kDefaultCaveDelay[w] : 0);
        GvUnpackGrid grid(size.width, size.height);
        draw(*def, w, grid);
        const int s = tickRateTenths(grid, caveDelay, variant.amoeba_size_limit);
        variant.tick_rate = static_cast<float>(s) / 10.0f;
        variant.game_ticks = (s * record.caveTime[static_cast<std::size_t>(w)] + 5) / 10;
        variant.amoeba_slow_ticks = (s * levelValue(record.amoebaTime, w, 0) + 5) / 10;
        variant.magic_wall_ticks = (s * levelValue(record.magicWallTime, w, 0) + 5) / 10;
        if (w == 0) {
            def->wrap = wrapModeOf(grid);
        }
    }
    for (const GvDemoStep& step : record.demo) {
        def->variants.front()->appendDemoStep(step.moves, step.count);
    }
    return def;
}

void GvBdcffConverter::draw(const GvCaveDef& cave, int v, GvUnpackGrid& grid) {
    const GvCaveVariant& variant = *cave.variants[static_cast<std::size_t>(v)];
    // The same choice of drawing stream as when the level is built for play.
    std::unique_ptr<GvRandomStream> stream;
    if (variant.unpack_seed >= 0 && variant.unpack_seed <= 255) {
        stream = std::make_unique<GvLevelPackRandomStream>(
            static_cast<std::uint8_t>(variant.unpack_seed));
    } else {
        stream = std::make_unique<GvGamePlayRandomStream>(
            static_cast<std::uint32_t>(variant.unpack_seed));
    }
    for (const auto& command : cave.commands) {
        command->apply(grid, *stream);
    }
    for (const auto& command : variant.commands) {
        command->apply(grid, *stream);
    }
}

int GvBdcffConverter::tickRateTenths(const GvUnpackGrid& grid, int caveDelay, int amoebaSizeLimit) {
    long long cost = 88000 + 3660LL * caveDelay;
    long long amoeba = 0;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            switch (grid.typeAt(x, y)) {
            case GvPackedObjectType::firefly_l:
            case GvPackedObjectType::firefly_u:
            case GvPackedObjectType::firefly_r:
            case GvPackedObjectType::firefly_d:
            case GvPackedObjectType::butterfly_l:
            case GvPackedObjectType::butterfly_u:
            case GvPackedObjectType::butterfly_r:
            case GvPackedObjectType::butterfly_d:
                cost += 380;
                break;
            case GvPackedObjectType::boulder:
            case GvPackedObjectType::boulder_f:
            case GvPackedObjectType::diamond:
            case GvPackedObjectType::diamond_f:
                cost += 150;
                break;
            case GvPackedObjectType::slime:
                cost += 210;
                break;
            case GvPackedObjectType::growing_wall:
            case GvPackedObjectType::growing_wall_h:
            case GvPackedObjectType::growing_wall_v:
                cost += 110;
                break;
            case GvPackedObjectType::amoeba:
                ++amoeba;
                break;
            default:
                break;
            }
        }
    }
    if (amoeba > 0) {
        // The amoeba's cost grows with the room it still has to grow into.
        cost += 260 * amoeba + 260 * ((amoebaSizeLimit - amoeba) / 4);
    }
    const long long s = (cost + 9999999) / cost;
    return static_cast<int>(std::clamp(s, 60LL, 100LL));
}

GvWrapMode GvBdcffConverter::wrapModeOf(const GvUnpackGrid& grid) {
    const int right = grid.width() - 1;
    const int bottom = grid.height() - 1;
    for (int y = 0; y <= bottom; ++y) {
        if (!closesEdge(grid.typeAt(0, y)) || !closesEdge(grid.typeAt(right, y))) {
            return GvWrapMode::stepped;
        }
    }
    for (int x = 0; x <= right; ++x) {
        if (!closesEdge(grid.typeAt(x, 0)) || !closesEdge(grid.typeAt(x, bottom))) {
            return GvWrapMode::vertical;
        }
    }
    return GvWrapMode::none;
}
