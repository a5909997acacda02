#include "PackStats.h"

#include "PackPlayer.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvObject.h"
#include "sim/GvWorld.h"

#include <algorithm>

namespace {

GvObjectKind kindAt(const GvWorld& world, int col, int row) {
    return world.cells[static_cast<std::size_t>(row * world.width + col)]->kind();
}

// Cells of the block around (col, row) that an explosion would turn into diamonds.
int blastCells(const GvWorld& world, int col, int row) {
    int count = 0;
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = col - 1; c <= col + 1; ++c) {
            if (c < 0 || r < 0 || c >= world.width || r >= world.height) {
                continue;
            }
            const GvObject& object = *world.cells[static_cast<std::size_t>(r * world.width + c)];
            count += (c == col && r == row) || object.blastResponse() == 2 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

bool PackStats::collect(const GvLevelPack& pack, const std::vector<PackSolution>& solutions,
                        std::vector<PackLevelStats>& stats, std::string& error) {
    stats.clear();
    for (int level = 0; level < pack.levelCount(); ++level) {
        const std::unique_ptr<GvWorld> world = PackPlayer::build(pack, level, error);
        if (!world) {
            return false;
        }
        PackLevelStats entry;
        entry.level = level;
        entry.code = world->level_code;
        entry.quota = world->diamond_quota;
        entry.ticksGiven = world->game_ticks;
        for (int row = 0; row < world->height; ++row) {
            for (int col = 0; col < world->width; ++col) {
                const GvObjectKind kind = kindAt(*world, col, row);
                if (kind == GvObjectKind::diamond) {
                    ++entry.diamonds;
                } else if (kind == GvObjectKind::butterfly) {
                    ++entry.butterflies;
                    entry.butterflyDiamonds += blastCells(*world, col, row);
                }
            }
        }
        stats.push_back(entry);
    }
    for (const PackSolution& solution : solutions) {
        PackPlayer::Outcome outcome;
        if (!PackPlayer::play(pack, solution.level, solution.moves, outcome, error)) {
            return false;
        }
        PackLevelStats& entry = stats[static_cast<std::size_t>(solution.level)];
        if (outcome.completed()) {
            const int used = entry.ticksGiven - outcome.ticksLeft;
            // With two solutions for a level the faster one speaks for it.
            entry.ticksUsed = entry.ticksUsed < 0 ? used : std::min(entry.ticksUsed, used);
        }
    }
    return true;
}
