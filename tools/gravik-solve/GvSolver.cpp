#include "GvSolver.h"

#include "PackPlayer.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvBombObject.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <queue>

static constexpr int kDx[4] = {-1, 1, 0, 0};
static constexpr int kDy[4] = {0, 0, -1, 1};
static constexpr GvInputBits kBits[4] = {kInputLeft, kInputRight, kInputUp, kInputDown};

// Ticks a segment may spend without getting closer to its goal.
static constexpr int kPatience = 40;

static GvObjectKind kindAt(const GvWorld& world, int col, int row) {
    return world.cellAt(col, row)->kind();
}

static bool isGravity(GvObjectKind kind) {
    return kind == GvObjectKind::boulder || kind == GvObjectKind::diamond ||
           kind == GvObjectKind::bomb;
}

// The neighbour at (dx, dy) of a cell, wrapped; false when it does not exist.
static bool offset(const GvWorld& world, int col, int row, int dx, int dy, int& outCol,
                   int& outRow) {
    outCol = col + dx;
    outRow = row + dy;
    return world.wrapCoordinates(outCol, outRow);
}

static bool fallingAt(const GvWorld& world, int col, int row) {
    const GvObject* object = world.cellAt(col, row);
    return isGravity(object->kind()) && object->isFalling();
}

// Something will land on (col, row) within two ticks: a falling object right
// above it, or one above an empty cell above it.
static bool threatenedFromAbove(const GvWorld& world, int col, int row) {
    int c1 = 0;
    int r1 = 0;
    if (!offset(world, col, row, 0, -1, c1, r1)) {
        return false;
    }
    if (fallingAt(world, c1, r1)) {
        return true;
    }
    // A falling object beside the cell above may roll off into it.
    for (int dx = -1; dx <= 1; dx += 2) {
        int sc = 0;
        int sr = 0;
        if (offset(world, c1, r1, dx, 0, sc, sr) && fallingAt(world, sc, sr) &&
            kindAt(world, c1, r1) == GvObjectKind::space) {
            return true;
        }
    }
    if (kindAt(world, c1, r1) != GvObjectKind::space) {
        return false;
    }
    int c2 = 0;
    int r2 = 0;
    return offset(world, c1, r1, 0, -1, c2, r2) && fallingAt(world, c2, r2);
}

// A creature explodes when the player is beside it. By the next tick it can be
// in any empty cell beside it, so the player keeps off those cells and their
// neighbours; walls and earth between them keep it safe.
static void markCreatureReach(const GvWorld& world, int col, int row, std::vector<char>& danger) {
    std::vector<std::pair<int, int>> reach{{col, row}};
    for (std::size_t i = 0, depthEnd = 1, depth = 0; i < reach.size(); ++i) {
        if (i == depthEnd) {
            ++depth;
            depthEnd = reach.size();
        }
        const auto [c, r] = reach[i];
        for (int d = 0; d < 4; ++d) {
            int nc = 0;
            int nr = 0;
            if (!offset(world, c, r, kDx[d], kDy[d], nc, nr)) {
                continue;
            }
            danger[static_cast<std::size_t>(nc + nr * world.width)] = 1;
            const bool open = kindAt(world, nc, nr) == GvObjectKind::space;
            const bool known =
                std::find(reach.begin(), reach.end(), std::make_pair(nc, nr)) != reach.end();
            if (open && !known && depth < 1) {
                reach.push_back({nc, nr});
            }
        }
    }
    danger[static_cast<std::size_t>(col + row * world.width)] = 1;
}

// Cells the player must keep away from: near creatures (they explode on touch),
// explosions and lit bombs.
static std::vector<char> dangerMap(const GvWorld& world) {
    std::vector<char> danger(static_cast<std::size_t>(world.width * world.height), 0);
    const auto mark = [&](int col, int row, int reach, bool manhattan) {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (manhattan && std::abs(dx) + std::abs(dy) > reach) {
                    continue;
                }
                int c = 0;
                int r = 0;
                if (offset(world, col, row, dx, dy, c, r)) {
                    danger[static_cast<std::size_t>(c + r * world.width)] = 1;
                }
            }
        }
    };
    for (int row = 0; row < world.height; ++row) {
        for (int col = 0; col < world.width; ++col) {
            const GvObject* object = world.cellAt(col, row);
            const GvObjectKind kind = object->kind();
            if (kind == GvObjectKind::firefly || kind == GvObjectKind::butterfly) {
                markCreatureReach(world, col, row, danger);
            } else if (kind == GvObjectKind::explosion) {
                mark(col, row, 1, false);
            } else if (kind == GvObjectKind::slime) {
                // Whatever rests on slime may drop out below it at any tick.
                int ac = 0;
                int ar = 0;
                if (offset(world, col, row, 0, -1, ac, ar) && isGravity(kindAt(world, ac, ar))) {
                    for (int dy = 1; dy <= 3; ++dy) {
                        int c = 0;
                        int r = 0;
                        if (offset(world, col, row, 0, dy, c, r)) {
                            danger[static_cast<std::size_t>(c + r * world.width)] = 1;
                        }
                    }
                }
            } else if (kind == GvObjectKind::bomb &&
                       static_cast<const GvBombObject*>(object)->fuse_end >= 0) {
                mark(col, row, 2, false);
            }
        }
    }
    return danger;
}

// Shortest paths from the player over the cells it can enter, with the first
// step of each path.
struct GvSolverPathMap {
    std::vector<int> cost;
    std::vector<int> firstStep;
};

static bool enterable(const GvWorld& world, int col, int row, const GvSolver::Goal* goal) {
    const GvObject* object = world.cellAt(col, row);
    switch (object->kind()) {
    case GvObjectKind::space:
    case GvObjectKind::dirt:
        return true;
    case GvObjectKind::diamond:
        return !object->isFalling();
    case GvObjectKind::out_box:
        return world.quota_reached && goal && goal->kind == GvSolver::GoalKind::exit;
    default:
        return false;
    }
}

// A boulder or bomb that a push could move one cell along (dx, 0) from (col, row).
static bool pushable(const GvWorld& world, int col, int row, int dx) {
    const GvObject* object = world.cellAt(col, row);
    const GvObjectKind kind = object->kind();
    if ((kind != GvObjectKind::boulder && kind != GvObjectKind::bomb) || object->isFalling()) {
        return false;
    }
    int bc = 0;
    int br = 0;
    if (!offset(world, col, row, dx, 0, bc, br) || kindAt(world, bc, br) != GvObjectKind::space) {
        return false;
    }
    int uc = 0;
    int ur = 0;
    if (world.physics == GvPhysics::gravik_1 && offset(world, col, row, 0, 1, uc, ur) &&
        kindAt(world, uc, ur) == GvObjectKind::space) {
        return false;
    }
    return true;
}

// Whether stepping from (col, row) by direction d is unlikely to get the player
// killed in the next two ticks.
static bool safeStep(const GvWorld& world, const std::vector<char>& danger, int col, int row,
                     int d) {
    int tc = 0;
    int tr = 0;
    if (!offset(world, col, row, kDx[d], kDy[d], tc, tr)) {
        return false;
    }
    if (danger[static_cast<std::size_t>(tc + tr * world.width)] ||
        threatenedFromAbove(world, tc, tr)) {
        return false;
    }
    if (kDy[d] > 0) {
        // Whatever rests above the player follows it down and lands on it.
        int ac = 0;
        int ar = 0;
        if (offset(world, col, row, 0, -1, ac, ar) &&
            (isGravity(kindAt(world, ac, ar)) || threatenedFromAbove(world, col, row))) {
            return false;
        }
    }
    return true;
}

static GvSolverPathMap paths(const GvWorld& world, int fromCol, int fromRow,
                             const GvSolver::Goal* goal) {
    const int w = world.width;
    const std::size_t n = static_cast<std::size_t>(w * world.height);
    GvSolverPathMap map{std::vector<int>(n, INT_MAX), std::vector<int>(n, -1)};
    const std::vector<char> danger = dangerMap(world);
    using Entry = std::pair<int, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    map.cost[static_cast<std::size_t>(fromCol + fromRow * w)] = 0;
    open.push({0, fromCol + fromRow * w});
    while (!open.empty()) {
        const auto [cost, index] = open.top();
        open.pop();
        if (cost > map.cost[static_cast<std::size_t>(index)]) {
            continue;
        }
        const int col = index % w;
        const int row = index / w;
        const bool start = col == fromCol && row == fromRow;
        for (int d = 0; d < 4; ++d) {
            int c = 0;
            int r = 0;
            if (!offset(world, col, row, kDx[d], kDy[d], c, r)) {
                continue;
            }
            const std::size_t next = static_cast<std::size_t>(c + r * w);
            const bool isGoal = goal && c == goal->col && r == goal->row;
            int step = 0;
            if (enterable(world, c, r, goal) || isGoal) {
                if (!isGoal && !enterable(world, c, r, goal)) {
                    continue;
                }
                step = kindAt(world, c, r) == GvObjectKind::dirt ? 2 : 1;
            } else if (kDy[d] == 0 && pushable(world, c, r, kDx[d])) {
                step = 6;
            } else {
                continue;
            }
            if (danger[next] && !start) {
                continue;
            }
            if (start && !safeStep(world, danger, col, row, d)) {
                continue;
            }
            // Cells under loose objects are risky to linger in.
            int ac = 0;
            int ar = 0;
            if (offset(world, c, r, 0, -1, ac, ar) && isGravity(kindAt(world, ac, ar))) {
                step += 2;
            }
            if (cost + step < map.cost[next]) {
                map.cost[next] = cost + step;
                map.firstStep[next] = start ? d : map.firstStep[static_cast<std::size_t>(index)];
                open.push({cost + step, static_cast<int>(next)});
            }
        }
    }
    return map;
}

// The first step towards the nearest cell out of danger, crossing dangerous
// cells if it must; -1 when there is none.
static int escapeStep(const GvWorld& world, const std::vector<char>& danger, int col, int row) {
    const int w = world.width;
    std::vector<int> first(static_cast<std::size_t>(w * world.height), -2);
    std::vector<std::pair<int, int>> queue{{col, row}};
    first[static_cast<std::size_t>(col + row * w)] = -1;
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const auto [c, r] = queue[i];
        const int from = first[static_cast<std::size_t>(c + r * w)];
        if (from >= 0 && !danger[static_cast<std::size_t>(c + r * w)]) {
            return from;
        }
        for (int d = 0; d < 4; ++d) {
            int nc = 0;
            int nr = 0;
            if (!offset(world, c, r, kDx[d], kDy[d], nc, nr) ||
                first[static_cast<std::size_t>(nc + nr * w)] != -2 ||
                !enterable(world, nc, nr, nullptr)) {
                continue;
            }
            if (from < 0 && threatenedFromAbove(world, nc, nr)) {
                continue;
            }
            first[static_cast<std::size_t>(nc + nr * w)] = from < 0 ? d : from;
            queue.push_back({nc, nr});
        }
    }
    return -1;
}

static bool playerAt(const GvWorld& world, int& col, int& row) {
    if (world.state == GvWorldState::PlayerGone || world.state == GvWorldState::Ended) {
        return false;
    }
    col = world.player_col;
    row = world.player_row;
    if (col < 0 || row < 0 || col >= world.width || row >= world.height) {
        return false;
    }
    const GvObjectKind kind = kindAt(world, col, row);
    return kind == GvObjectKind::player || kind == GvObjectKind::in_box;
}

static bool goalStillThere(const GvWorld& world, const GvSolver::Goal& goal) {
    const GvObjectKind kind = kindAt(world, goal.col, goal.row);
    switch (goal.kind) {
    case GvSolver::GoalKind::diamond:
        return kind == GvObjectKind::diamond;
    case GvSolver::GoalKind::exit:
        return kind == GvObjectKind::out_box || kind == GvObjectKind::player;
    case GvSolver::GoalKind::dig:
        return kind == GvObjectKind::dirt || kind == GvObjectKind::space ||
               kind == GvObjectKind::player;
    case GvSolver::GoalKind::wait:
        return true;
    }
    return false;
}

GvSolver::GvSolver(const GvLevelPack& pack, int level, Options options)
    : pack_(pack), level_(level), options_(options) {}

void GvSolver::stepWith(GvWorld& world, GvInputBits bits) {
    world.replay_input.assign(1, GvInputRun{bits, 1});
    world.replaying = true;
    world.replay_done = false;
    PackPlayer::step(world);
}

std::unique_ptr<GvWorld> GvSolver::replay(const std::vector<GvInputBits>& inputs) const {
    std::string error;
    std::unique_ptr<GvWorld> world = PackPlayer::build(pack_, level_, error);
    if (!world) {
        return nullptr;
    }
    for (const GvInputBits bits : inputs) {
        stepWith(*world, bits);
    }
    return world;
}

GvInputRecording GvSolver::toRecording(const std::vector<GvInputBits>& inputs) {
    GvInputRecording runs;
    for (const GvInputBits bits : inputs) {
        if (!runs.empty() && runs.back().moves == bits) {
            ++runs.back().count;
        } else {
            runs.push_back({bits, 1});
        }
    }
    return runs;
}

std::vector<GvSolver::Goal> GvSolver::goals(const GvWorld& world) const {
    std::vector<Goal> result;
    int col = 0;
    int row = 0;
    if (!playerAt(world, col, row)) {
        return result;
    }
    const int w = world.width;
    const bool quotaMet = world.diamonds_collected >= world.diamond_quota;
    const Goal anyExit{GoalKind::exit, -1, -1, 0};
    const GvSolverPathMap map = paths(world, col, row, quotaMet ? &anyExit : nullptr);
    std::vector<Goal> diamonds;
    std::vector<Goal> exits;
    std::vector<Goal> digs;
    for (int r = 0; r < world.height; ++r) {
        for (int c = 0; c < w; ++c) {
            const int cost = map.cost[static_cast<std::size_t>(c + r * w)];
            const GvObject* object = world.cellAt(c, r);
            const GvObjectKind kind = object->kind();
            if (kind == GvObjectKind::out_box && quotaMet) {
                // The out box is never entered as a path cell; reach a neighbour.
                int best = INT_MAX;
                for (int d = 0; d < 4; ++d) {
                    int nc = 0;
                    int nr = 0;
                    if (offset(world, c, r, kDx[d], kDy[d], nc, nr)) {
                        if (nc == col && nr == row) {
                            best = 0;
                        } else {
                            best = std::min(best, map.cost[static_cast<std::size_t>(nc + nr * w)]);
                        }
                    }
                }
                if (best != INT_MAX) {
                    exits.push_back({GoalKind::exit, c, r, best});
                }
            }
            if (cost == INT_MAX) {
                continue;
            }
            if (kind == GvObjectKind::diamond && !object->isFalling()) {
                diamonds.push_back({GoalKind::diamond, c, r, cost});
            } else if (kind == GvObjectKind::dirt) {
                // Digging under a loose object sets it falling, which may open a
                // way, feed a magic wall or crush a creature.
                int ac = 0;
                int ar = 0;
                if (offset(world, c, r, 0, -1, ac, ar) && isGravity(kindAt(world, ac, ar))) {
                    digs.push_back({GoalKind::dig, c, r, cost});
                }
            }
        }
    }
    const auto byCost = [](const Goal& a, const Goal& b) { return a.cost < b.cost; };
    std::stable_sort(exits.begin(), exits.end(), byCost);
    std::stable_sort(diamonds.begin(), diamonds.end(), byCost);
    std::stable_sort(digs.begin(), digs.end(), byCost);
    const auto take = [&](const std::vector<Goal>& list, int count) {
        for (int i = 0; i < static_cast<int>(list.size()) && i < count; ++i) {
            result.push_back(list[static_cast<std::size_t>(i)]);
        }
    };
    if (quotaMet) {
        take(exits, 2);
    }
    take(diamonds, options_.choices);
    // Dropping stones also clears creatures out of the way to the out box.
    const bool nothingElse = quotaMet ? exits.empty() : diamonds.empty();
    take(digs, nothingElse ? options_.choices : 1);
    result.push_back({GoalKind::wait, 0, 0, 0});
    return result;
}

GvSolver::SegmentEnd GvSolver::runSegment(GvWorld& world, std::vector<GvInputBits>& inputs,
                                          const Goal& goal) const {
    const int startDiamonds = world.diamonds_collected;
    int best = INT_MAX;
    int sinceBest = 0;
    int waited = 0;
    for (;;) {
        if (world.state == GvWorldState::Completed) {
            return SegmentEnd::completed;
        }
        if (world.state == GvWorldState::PreGame) {
            stepWith(world, 0);
            inputs.push_back(0);
            continue;
        }
        int col = 0;
        int row = 0;
        if (!playerAt(world, col, row)) {
            return SegmentEnd::dead;
        }
        if (world.diamonds_collected > startDiamonds && goal.kind != GoalKind::exit) {
            return SegmentEnd::progress;
        }
        if (goal.kind == GoalKind::dig && col == goal.col && row == goal.row) {
            return SegmentEnd::progress;
        }
        if (!goalStillThere(world, goal)) {
            return SegmentEnd::progress;
        }
        const std::vector<char> danger = dangerMap(world);
        GvInputBits bits = 0;
        if (danger[static_cast<std::size_t>(col + row * world.width)]) {
            // A lit fuse or a creature close by: get out of reach first.
            const int d = escapeStep(world, danger, col, row);
            if (d >= 0) {
                stepWith(world, kBits[d]);
                inputs.push_back(kBits[d]);
                continue;
            }
        }
        if (goal.kind == GoalKind::wait) {
            if (++waited > 12) {
                return SegmentEnd::progress;
            }
            // Waiting under a stone holds it up; step aside and let it drop.
            int ac = 0;
            int ar = 0;
            if (waited == 1 && offset(world, col, row, 0, -1, ac, ar) &&
                isGravity(kindAt(world, ac, ar))) {
                for (int d = 0; d < 2 && bits == 0; ++d) {
                    int c = 0;
                    int r = 0;
                    if (offset(world, col, row, kDx[d], kDy[d], c, r) &&
                        enterable(world, c, r, nullptr) && safeStep(world, danger, col, row, d)) {
                        bits = kBits[d];
                    }
                }
            }
        } else {
            const GvSolverPathMap map = paths(world, col, row, &goal);
            const std::size_t target = static_cast<std::size_t>(goal.col + goal.row * world.width);
            if (map.cost[target] == INT_MAX) {
                // Blocked for now; a creature may move off or a boulder settle.
                if (++sinceBest > kPatience) {
                    return SegmentEnd::stuck;
                }
            } else {
                if (map.cost[target] < best) {
                    best = map.cost[target];
                    sinceBest = 0;
                } else if (++sinceBest > kPatience) {
                    return SegmentEnd::stuck;
                }
                // At the goal itself (inside the out box) there is no step left.
                const int first = map.firstStep[target];
                bits = first >= 0 ? kBits[first] : 0;
            }
        }
        if (bits == 0 && threatenedFromAbove(world, col, row)) {
            // Standing still here gets the player crushed: step aside if possible.
            for (int d = 0; d < 4; ++d) {
                int c = 0;
                int r = 0;
                if (offset(world, col, row, kDx[d], kDy[d], c, r) &&
                    enterable(world, c, r, nullptr) && safeStep(world, danger, col, row, d)) {
                    bits = kBits[d];
                    break;
                }
            }
        }
        stepWith(world, bits);
        inputs.push_back(bits);
    }
}

bool GvSolver::outOfBudget() const {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    return result_.segments >= options_.maxSegments || seconds > options_.maxSeconds;
}

bool GvSolver::search(std::unique_ptr<GvWorld> world, const std::vector<GvInputBits>& prefix,
                      int waits) {
    const std::vector<Goal> choices = goals(*world);
    bool first = true;
    for (const Goal& goal : choices) {
        if (outOfBudget()) {
            return false;
        }
        std::unique_ptr<GvWorld> trial = first ? std::move(world) : replay(prefix);
        first = false;
        std::vector<GvInputBits> inputs = prefix;
        ++result_.segments;
        const SegmentEnd end = runSegment(*trial, inputs, goal);
        if (trial->diamonds_collected > result_.bestDiamonds) {
            result_.bestDiamonds = trial->diamonds_collected;
            result_.bestInputs = inputs;
        }
        if (end == SegmentEnd::completed && trial->diamonds_collected >= trial->diamond_quota) {
            result_.inputs = inputs;
            return true;
        }
        if (end != SegmentEnd::progress) {
            continue;
        }
        // Waiting on and on only burns the clock.
        const int nextWaits = goal.kind == GoalKind::wait ? waits + 1 : 0;
        if (nextWaits > 3) {
            continue;
        }
        if (search(std::move(trial), inputs, nextWaits)) {
            return true;
        }
    }
    return false;
}

GvSolver::Result GvSolver::solve() {
    result_ = Result();
    start_ = std::chrono::steady_clock::now();
    std::unique_ptr<GvWorld> world = replay({});
    if (!world) {
        return result_;
    }
    // Let the in box hatch first: until then there is nothing to steer.
    std::vector<GvInputBits> prefix;
    while (world->state == GvWorldState::PreGame) {
        stepWith(*world, 0);
        prefix.push_back(0);
    }
    result_.solved = search(std::move(world), prefix, 0);
    if (result_.solved) {
        // Trust only what a whole replay, as the verifier runs it, confirms.
        PackPlayer::Outcome outcome;
        std::string error;
        result_.solved =
            PackPlayer::play(pack_, level_, toRecording(result_.inputs), outcome, error) &&
            outcome.completed();
    }
    return result_;
}
