#include "sim/GvWorld.h"

#include "sim/GvExplosionObject.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvSpaceObject.h"

#include <cmath>

namespace {

// Space and the two plain walls never do anything in a tick.
constexpr bool actsInTick(GvObjectKind kind) {
    return kind != GvObjectKind::space && kind != GvObjectKind::steel_wall &&
           kind != GvObjectKind::brick_wall;
}

} // namespace

GvWorld::GvWorld(std::uint32_t cosmeticSeed)
    : phase{GvLoopingPhase(kAmoebaPhasePeriod), GvLoopingPhase(kSlimePhasePeriod),
            GvLoopingPhase(kBombPhasePeriod), GvLoopingPhase(kLitBombPhasePeriod)},
      cosmetic_random(cosmeticSeed) {
    reset(4, 4, GvWrapMode::none);
}

GvWorld::~GvWorld() = default;

void GvWorld::reset(int newWidth, int newHeight, GvWrapMode newWrap) {
    // A negative size would make the grid's size wrap around; treat it as empty.
    width = newWidth > 0 ? newWidth : 0;
    height = newHeight > 0 ? newHeight : 0;
    if (width == 0 || height == 0) {
        width = height = 0;
    }
    tick_count = 0;
    cells.clear();
    cells.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (auto& cell : cells) {
        cell = std::make_unique<GvSpaceObject>();
    }
    kinds.assign(cells.size(), GvObjectKind::space);
    resting.assign(cells.size(), 1);
    stamp.assign(cells.size(), tick_count);
    view_left = 0;
    view_top = 0;
    view_width = width;
    view_height = height;
    has_view = false;
    wrap = newWrap;
    physics = GvPhysics::gravik_1;
    vanish[0].clear();
    vanish[1].clear();
    level_number = 0;
    level_code.clear();
    display_name.clear();
    state = GvWorldState::PreGame;
    game_ticks = 0;
    pre_game_ticks = 24;
    tick_fraction = 0.0f;
    ticks_without_player = 0;
    player_col = 0;
    player_row = 0;
    diamond_quota = 0;
    diamonds_collected = 0;
    quota_reached = false;
    exited = false;
    bomb_ticks = 4;
    amoeba_size_limit = 0;
    amoeba_chance = 0;
    amoeba_fast_chance = 0;
    amoeba_slow_ticks = 0;
    amoeba_fate = GvObjectKind::amoeba;
    magic_wall_state = 0;
    magic_wall_ticks = 0;
    magic_wall_end = 0;
    slime_permeability = 65536;
    quota_flash_time = -1.0;
    last_countdown_second = -1;
    for (GvLoopingPhase& loop : phase) {
        loop.phase = 0.0f;
    }
    filler_type = 0;
    filler_style = 0;
    events.fill(false);
    input_enabled = true;
    keys_held = 0;
    keys_pressed = 0;
    first_press = 0;
    last_direction = 0;
    input_record.clear();
    player_must_die = false;
    replaying = false;
    replay_done = true;
    replay_input.clear();
}

void GvWorld::placeObject(int col, int row, std::unique_ptr<GvObject> object) {
    const int i = index(col, row);
    kinds[i] = object->kind();
    // The old occupant may be the caller itself (an explosion handing over its
    // remains), so it is destroyed only after the cell holds the new object.
    std::unique_ptr<GvObject> old = std::exchange(cells[i], std::move(object));
    stamp[i] = tick_count;
    wakeAround(i, col, row);
    resting[i] = actsInTick(kinds[i]) ? 0 : 1;
}

std::unique_ptr<GvObject> GvWorld::takeObject(int col, int row) {
    const int i = index(col, row);
    std::unique_ptr<GvObject> taken = std::exchange(cells[i], std::make_unique<GvSpaceObject>());
    kinds[i] = GvObjectKind::space;
    stamp[i] = tick_count;
    wakeAround(i, col, row);
    resting[i] = 1;
    return taken;
}

void GvWorld::moveObject(int fromCol, int fromRow, int toCol, int toRow) {
    const int from = index(fromCol, fromRow);
    const int to = index(toCol, toRow);
    if (from == to) {
        stamp[to] = tick_count;
        return;
    }
    std::unique_ptr<GvObject> old = std::exchange(cells[to], std::move(cells[from]));
    // Empty space carries nothing of its own, so the space moved over is reused.
    if (kinds[to] == GvObjectKind::space) {
        cells[from] = std::move(old);
    } else {
        cells[from] = std::make_unique<GvSpaceObject>();
    }
    kinds[to] = kinds[from];
    kinds[from] = GvObjectKind::space;
    stamp[to] = tick_count;
    stamp[from] = tick_count;
    wakeAround(to, toCol, toRow);
    wakeAround(from, fromCol, fromRow);
    resting[to] = actsInTick(kinds[to]) ? 0 : 1;
    resting[from] = 1;
}

void GvWorld::wakeAround(int i, int col, int row) {
    std::uint8_t* const rest = resting.data();
    rest[i] = 0;
    if (col > 0 && col < width - 1 && row > 0 && row < height - 1) {
        rest[i - 1] = rest[i + 1] = rest[i - width] = rest[i + width] = 0;
        return;
    }
    // On the border the neighbours may wrap; they are the cells that have this
    // one as a neighbour, because every wrap mode steps back the way it came.
    static constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (const auto& step : kSteps) {
        const int n = neighbourIndex(col, row, step[0], step[1]);
        if (n >= 0) {
            rest[n] = 0;
        }
    }
}

void GvWorld::removeWithFade(int col, int row) {
    const bool wasStamped = isStamped(col, row);
    std::unique_ptr<GvObject> object = takeObject(col, row);
    GvObject* const faded = object.get();
    faded->fadeTo(0.0f, 1.0f);
    addVanishing(std::move(object), col, row, 0);
    // An object removed before its turn still gets its last look update.
    if (!wasStamped) {
        faded->tick(*this, col, row, 0, true);
    }
}

void GvWorld::addVanishing(std::unique_ptr<GvObject> object, int col, int row, int list) {
    GvVanishRecord record;
    record.object = std::move(object);
    record.col = col;
    record.row = row;
    record.view_col = col - view_left;
    record.view_row = row - view_top;
    record.countdown = 1;
    vanish[list == 1 ? 1 : 0].push_back(std::move(record));
}

bool GvWorld::wrapOutside(int& col, int& row) const {
    // An empty grid has no cells to wrap into (and would never leave the loops).
    if (width <= 0 || height <= 0) {
        return false;
    }
    if (col < 0 || col >= width) {
        if (wrap == GvWrapMode::none || wrap == GvWrapMode::vertical) {
            return false;
        }
        const bool stepped = wrap == GvWrapMode::stepped;
        // Whole turns at once: the same result as stepping one width at a time.
        if (col >= width) {
            const int turns = col / width;
            col -= turns * width;
            if (stepped) {
                row += turns;
            }
        }
        if (col < 0) {
            const int turns = (width - 1 - col) / width;
            col += turns * width;
            if (stepped) {
                row -= turns;
            }
        }
    }
    if (row < 0 || row >= height) {
        if (wrap == GvWrapMode::none || wrap == GvWrapMode::horizontal) {
            return false;
        }
        if (row < 0) {
            row += height * ((height - row - 1) / height);
        }
        if (row >= height) {
            row %= height;
        }
    }
    return true;
}

int GvWorld::wrappedIndex(int col, int row) const {
    return wrapOutside(col, row) ? index(col, row) : -1;
}

GvObjectKind GvWorld::findPlayer() {
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            const GvObjectKind kind = kindAt(col, row);
            if (kind == GvObjectKind::player || kind == GvObjectKind::in_box) {
                player_col = col;
                player_row = row;
                return kind;
            }
        }
    }
    player_col = 0;
    player_row = 0;
    return GvObjectKind::space;
}

std::pair<float, float> GvWorld::viewTarget(bool centre) const {
    float x = static_cast<float>(player_col) + (centre ? 0.5f : 0.0f);
    float y = static_cast<float>(player_row) + (centre ? 0.5f : 0.0f);
    if (player_col >= 0 && player_col < width && player_row >= 0 && player_row < height) {
        const GvObject* object = cellAt(player_col, player_row);
        if (object->kind() == GvObjectKind::player) {
            x += object->shiftX();
            y += object->shiftY();
        }
    }
    if (x < 0.0f) {
        x += static_cast<float>(width);
    } else if (x >= static_cast<float>(width)) {
        x -= static_cast<float>(width);
    }
    if (y < 0.0f) {
        y += static_cast<float>(height);
    } else if (y >= static_cast<float>(height)) {
        y -= static_cast<float>(height);
    }
    return {x, y};
}

int GvWorld::remainingTicks() const {
    const int remaining = pre_game_ticks + game_ticks - tick_count;
    return remaining > 0 ? remaining : 0;
}

float GvWorld::remainingSeconds() const {
    if (!(tick_rate > 0.0f)) {
        return 0.0f;
    }
    const int elapsed = tick_count - pre_game_ticks;
    const int played = elapsed > 0 ? elapsed : 0;
    if (played >= game_ticks) {
        return 0.0f;
    }
    const float fraction = elapsed < 0 ? 0.0f : tick_fraction;
    return (static_cast<float>(game_ticks - played) - fraction) / tick_rate;
}

void GvWorld::raiseEvent(int n) {
    if (n < 0 || n >= kWorldEventCount) {
        return;
    }
    events[static_cast<std::size_t>(n)] = true;
    // Within each group the sound of the last event raised wins.
    if (n == 1) {
        events[2] = false;
    } else if (n == 2) {
        events[1] = false;
    }
    if (n >= 5 && n <= 7) {
        for (int other = 5; other <= 7; ++other) {
            if (other != n) {
                events[static_cast<std::size_t>(other)] = false;
            }
        }
    }
}

void GvWorld::setKey(GvInputBits bits, bool down) {
    if (replaying) {
        return;
    }
    if (down) {
        keys_held |= bits;
        keys_pressed |= bits;
        if ((bits & 15) != 0) {
            if (first_press == 0) {
                first_press = (keys_held & kInputSnap) | (bits & 15);
            }
            last_direction = bits & 15;
        }
    } else {
        keys_held &= ~bits;
    }
}

void GvWorld::startReplay(const GvInputRecording& input) {
    replay_input = input;
    replaying = true;
    replay_done = false;
}

void GvWorld::advance(double seconds) {
    for (int n = 0; n < kWorldEventCount; ++n) {
        if (n < 8 || n > 10) {
            events[static_cast<std::size_t>(n)] = false;
        }
    }
    double t = seconds * static_cast<double>(tick_rate);
    while (t > 0.0) {
        if (tick_fraction == 0.0f) {
            bool countMoved = false;
            if (state == GvWorldState::PreGame || state == GvWorldState::Playing ||
                state == GvWorldState::PlayerGone) {
                ++tick_count;
                countMoved = true;
            }
            const bool timeUp = time_limit_on && ticks_without_player == 0 &&
                                pre_game_ticks + game_ticks - tick_count <= 0;
            // A finished game stays frozen even if a cheat later lifts the time limit.
            const bool finished = state == GvWorldState::Completed || state == GvWorldState::Ended;
            if (finished || exited || timeUp || (replaying && replay_done)) {
                if (!finished) {
                    state = exited ? GvWorldState::Completed : GvWorldState::Ended;
                }
                if (replaying) {
                    replay_done = true;
                }
                events[8] = events[9] = events[10] = false;
                return;
            }
            if (countMoved && ticks_without_player > 3) {
                state = GvWorldState::PlayerGone;
            }
            tick();
        }
        if (t + static_cast<double>(tick_fraction) < 1.0) {
            tick_fraction += static_cast<float>(t);
            // Rounding must not let the fraction reach a whole tick unnoticed.
            if (tick_fraction >= 1.0f) {
                tick_fraction = std::nextafter(1.0f, 0.0f);
            }
            animate(static_cast<float>(t), static_cast<float>(t / static_cast<double>(tick_rate)));
            break;
        }
        const float a = 1.0f - tick_fraction;
        tick_fraction = 0.0f;
        animate(a, a / tick_rate);
        t -= static_cast<double>(a);
    }
    if (state == GvWorldState::Playing) {
        // A frame ending exactly on a tick boundary reads one tick more than the
        // frame before (the due tick has not run yet), so a second that has
        // already been announced is never announced again.
        const int s = static_cast<int>(remainingSeconds());
        if (s <= 9 && (last_countdown_second < 0 || s < last_countdown_second)) {
            raiseEvent(static_cast<int>(GvWorldEvent::countdown_0) + s);
            last_countdown_second = s;
        }
    }
}

GvInputBits GvWorld::chooseInput() {
    GvInputBits input = 0;
    if (replaying) {
        // A run of no ticks (from a damaged recording) is skipped rather than
        // played forever or left to hold up the end of the replay.
        const auto dropEmptyRuns = [this] {
            while (!replay_input.empty() && replay_input.front().count <= 0) {
                replay_input.erase(replay_input.begin());
            }
        };
        dropEmptyRuns();
        if (!replay_input.empty()) {
            input = replay_input.front().moves;
            --replay_input.front().count;
            dropEmptyRuns();
        }
        if (replay_input.empty()) {
            replay_done = true;
        }
    } else {
        input = first_press;
        if (input == 0) {
            const GvInputBits pressed = keys_pressed | keys_held;
            input = pressed & last_direction;
            if (input == 0) {
                for (GvInputBits direction : {kInputLeft, kInputRight, kInputUp, kInputDown}) {
                    if ((pressed & direction) != 0) {
                        input = direction;
                        break;
                    }
                }
            }
            if (input != 0 && (keys_held & kInputSnap) != 0) {
                input |= kInputSnap;
            }
        }
        if (!input_enabled) {
            input = 0;
        }
    }
    keys_pressed = 0;
    first_press = 0;
    if (!input_record.empty() && input_record.back().moves == input) {
        ++input_record.back().count;
    } else {
        input_record.push_back(GvInputRun{input, 1});
    }
    return input;
}

void GvWorld::stepVanishLists(GvInputBits input) {
    for (std::vector<GvVanishRecord>& list : vanish) {
        std::vector<GvVanishRecord> kept;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].countdown-- <= 1) {
                continue;
            }
            GvObject* object = list[i].object.get();
            object->tick(*this, list[i].col, list[i].row, input, true);
            kept.push_back(std::move(list[i]));
        }
        list = std::move(kept);
    }
}

void GvWorld::tick() {
    const GvInputBits input = chooseInput();
    ++ticks_without_player;
    if (state == GvWorldState::PreGame && tick_count > pre_game_ticks) {
        state = GvWorldState::Playing;
    }
    quota_reached = diamonds_collected >= diamond_quota;
    if (tick_count > amoeba_slow_ticks) {
        amoeba_chance = amoeba_fast_chance;
    }
    if (magic_wall_state == 1 && tick_count > magic_wall_end) {
        magic_wall_state = 2;
    }
    stepVanishLists(input);
    events[8] = false;
    events[10] = false;
    scan(input);
}

void GvWorld::scan(GvInputBits input) {
    int amoebaCount = 0;
    bool amoebaCanGrow = false;
    // The grid keeps its size during a tick, so its rows can be walked through
    // plain pointers; most cells are passed by in the inner loop alone.
    const int now = tick_count;
    const int* const stamps = stamp.data();
    const GvObjectKind* const kindOf = kinds.data();
    const std::uint8_t* const rest = resting.data();
    for (int row = 0; row < height; ++row) {
        const int rowStart = row * width;
        for (int col = 0; col < width; ++col) {
            const int i = rowStart + col;
            // Resting cells (space and plain walls among them) come first: the
            // one test that passes most cells by.
            if (rest[i] != 0 || stamps[i] == now) {
                continue;
            }
            const GvObjectKind kind = kindOf[i];
            if (!actsInTick(kind)) {
                continue;
            }
            GvObject& object = *cells[static_cast<std::size_t>(i)];
            switch (kind) {
            case GvObjectKind::player:
            case GvObjectKind::in_box:
                if (player_must_die) {
                    explode(col, row, GvObjectKind::space);
                    continue;
                }
                ticks_without_player = 0;
                break;
            case GvObjectKind::amoeba:
                ++amoebaCount;
                if (!amoebaCanGrow) {
                    amoebaCanGrow = amoebaGrowthTest(col, row);
                }
                break;
            default:
                break;
            }
            object.tick(*this, col, row, input, false);
        }
    }
    if (!amoebaCanGrow) {
        amoeba_fate = GvObjectKind::diamond;
    } else if (amoebaCount >= amoeba_size_limit) {
        amoeba_fate = GvObjectKind::boulder;
    }
    events[9] = amoebaCount > 0 && amoeba_fate == GvObjectKind::amoeba;
}

bool GvWorld::amoebaGrowthTest(int col, int row) const {
    static constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (const auto& step : kSteps) {
        const int i = neighbourIndex(col, row, step[0], step[1]);
        if (i < 0) {
            continue;
        }
        const GvObjectKind kind = kinds[static_cast<std::size_t>(i)];
        if ((kind == GvObjectKind::space || kind == GvObjectKind::dirt) && !isStampedIndex(i)) {
            return true;
        }
    }
    return false;
}

void GvWorld::animate(float tickDelta, float seconds) {
    if (tickDelta <= 0.0f && seconds <= 0.0f) {
        return;
    }
    for (GvLoopingPhase& loop : phase) {
        loop.advance(seconds);
    }
    for (std::vector<GvVanishRecord>& list : vanish) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            list[i].object->animate(*this, tickDelta, seconds);
        }
    }
    for (std::unique_ptr<GvObject>& cell : cells) {
        if (cell->animating) {
            cell->animate(*this, tickDelta, seconds);
        }
    }
}

void GvWorld::explode(int col, int row, GvObjectKind leave) {
    raiseEvent(GvWorldEvent::explosion);
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = col - 1; c <= col + 1; ++c) {
            int wc = c;
            int wr = r;
            if (!wrapCoordinates(wc, wr)) {
                continue;
            }
            GvObject* object = cellAt(wc, wr);
            const GvObjectKind kind = object->kind();
            const int response = object->blastResponse();
            if (kind == GvObjectKind::voodoo_doll && physics != GvPhysics::retro) {
                player_must_die = true;
            }
            if ((c == col && r == row) || response == 2) {
                if (kind != GvObjectKind::explosion) {
                    removeWithFade(wc, wr);
                }
                std::unique_ptr<GvObject> remains = createObjectOfKind(leave);
                remains->randomizeLook(cosmetic_random);
                remains->fadeTo(0.0f, 0.0f);
                remains->scaleTo(0.0f, 0.0f);
                placeObject(wc, wr, std::make_unique<GvExplosionObject>(std::move(remains)));
            } else if (response == 1) {
                object->ignite(*this);
            }
        }
    }
}
