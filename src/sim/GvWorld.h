#pragma once

#include "platform/GvInputRecording.h"
#include "platform/OrbUncopyable.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvLoopingPhase.h"
#include "sim/GvObject.h"
#include "sim/GvObjectKind.h"
#include "sim/GvPhysics.h"
#include "sim/GvPresentation.h"
#include "sim/GvVanishRecord.h"
#include "sim/GvWorldEvent.h"
#include "sim/GvWorldState.h"
#include "sim/GvWrapMode.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The cave being played: a row-major grid in which every cell owns one object,
// the rule parameters copied from the level, the timers, the input and replay
// state and the per-frame event flags. Time enters only through `advance`,
// input only through `setKey` and the replay fields, randomness only through the
// seeds handed in, so a level replays identically from its recorded input.
//
// The data is public: the level builder fills it, the in-game screen and the
// renderer read it. All cell coordinates handed to the cell operations must lie
// inside the grid; rules pass neighbours through `wrapCoordinates` first.
class GvWorld : OrbUncopyable {
public:
    // Periods in seconds of the four looping phases.
    static constexpr float kAmoebaPhasePeriod = 0.67f;
    static constexpr float kSlimePhasePeriod = 0.55f;
    static constexpr float kBombPhasePeriod = 1.25f;
    static constexpr float kLitBombPhasePeriod = 0.16f;

    // The cosmetic seed is handed in (the game uses the calendar time) because
    // the simulation reads no clock of its own.
    explicit GvWorld(std::uint32_t cosmeticSeed = 0);
    ~GvWorld();

    // Empties the world for a new level of the given size (see the field list for
    // what is kept).
    void reset(int newWidth, int newHeight, GvWrapMode newWrap);

    GvObject* cellAt(int col, int row) { return cells[index(col, row)].get(); }
    const GvObject* cellAt(int col, int row) const { return cells[index(col, row)].get(); }
    // The occupant's kind, kept beside the grid so that the rules can look at
    // neighbours without visiting their objects.
    GvObjectKind kindAt(int col, int row) const { return kinds[index(col, row)]; }
    // The grid index of the neighbour (col + dx, row + dy) brought into the grid
    // by the wrap mode, or -1 when that cell does not exist: the rules' cheap way
    // to look around before they touch anything.
    int neighbourIndex(int col, int row, int dx, int dy) const {
        const int c = col + dx;
        const int r = row + dy;
        if (c >= 0 && c < width && r >= 0 && r < height) {
            return index(c, r);
        }
        return wrappedIndex(c, r);
    }
    GvObjectKind kindAtIndex(int i) const { return kinds[static_cast<std::size_t>(i)]; }
    bool isStampedIndex(int i) const { return stamp[static_cast<std::size_t>(i)] == tick_count; }
    // True when the neighbour exists, holds space and (unless the rules let
    // things follow each other in one tick) was not written in this tick.
    bool isOpenSpace(int col, int row, int dx, int dy, bool ignoreStamp) const {
        const int i = neighbourIndex(col, row, dx, dy);
        return i >= 0 && kinds[static_cast<std::size_t>(i)] == GvObjectKind::space &&
               (ignoreStamp || stamp[static_cast<std::size_t>(i)] != tick_count);
    }
    // True when the cell was written in the current tick.
    bool isStamped(int col, int row) const { return stamp[index(col, row)] == tick_count; }
    // Marks a cell as written in this tick, for objects that act without moving.
    void stampCell(int col, int row) { stamp[index(col, row)] = tick_count; }
    // Replaces (and destroys) the occupant.
    void placeObject(int col, int row, std::unique_ptr<GvObject> object);
    // Hands the occupant to the caller and leaves space behind.
    std::unique_ptr<GvObject> takeObject(int col, int row);
    // Moves an object over the occupant of the target, which is destroyed.
    void moveObject(int fromCol, int fromRow, int toCol, int toRow);
    // Lets the occupant of (col, row) sit out the following ticks until its cell
    // or one of its four neighbours gets a new occupant. Only for an object whose
    // tick depends on nothing else and would do nothing until then.
    void restUntilNearbyWrite(int col, int row) {
        resting[static_cast<std::size_t>(index(col, row))] = 1;
    }
    // Takes the object off the grid and lets it fade out in vanish list 0.
    void removeWithFade(int col, int row);
    // Keeps an object drawn at (col, row) until the next tick; list 0 is drawn
    // beneath the grid's objects, list 1 above them.
    void addVanishing(std::unique_ptr<GvObject> object, int col, int row, int list);
    // Brings a neighbour coordinate into the grid by the wrap mode; false when
    // the cell does not exist.
    bool wrapCoordinates(int& col, int& row) const {
        // Most neighbours lie inside the grid; only the others need the wrap rules.
        if (col >= 0 && col < width && row >= 0 && row < height) {
            return true;
        }
        return wrapOutside(col, row);
    }
    // Finds the first player or in box in reading order for the camera.
    GvObjectKind findPlayer();
    // The point the camera follows, in cells, inside [0, width) x [0, height).
    std::pair<float, float> viewTarget(bool centre) const;
    int remainingTicks() const;
    float remainingSeconds() const;
    void raiseEvent(int n);
    void raiseEvent(GvWorldEvent event) { raiseEvent(static_cast<int>(event)); }
    bool hasEvent(GvWorldEvent event) const { return events[static_cast<std::size_t>(event)]; }

    // Runs the ticks that `seconds` of real time cover and animates in between.
    void advance(double seconds);
    // Live input: `bits` went down or up. Ignored while replaying.
    void setKey(GvInputBits bits, bool down);
    // Starts replaying a recording from the next tick; live keys are then ignored.
    void startReplay(const GvInputRecording& input);

    // Explodes the 3 x 3 block around (col, row); destroyed cells become `leave`
    // (space or diamond) after the explosion.
    void explode(int col, int row, GvObjectKind leave);
    // True when an amoeba at (col, row) has a neighbour it could grow into.
    bool amoebaGrowthTest(int col, int row) const;

    std::vector<std::unique_ptr<GvObject>> cells;
    std::vector<int> stamp;
    int width = 0;
    int height = 0;
    int view_left = 0;
    int view_top = 0;
    int view_width = 0;
    int view_height = 0;
    bool has_view = false;
    GvWrapMode wrap = GvWrapMode::none;
    GvPresentation presentation = GvPresentation::scrolling;
    GvPhysics physics = GvPhysics::gravik_1;
    std::array<std::vector<GvVanishRecord>, 2> vanish;
    int level_number = 0;
    std::string level_code;
    std::string display_name;
    GvWorldState state = GvWorldState::PreGame;
    bool bonus = false;
    float tick_rate = 6.0f;
    int game_ticks = 0;
    int pre_game_ticks = 24;
    int tick_count = 0;
    float tick_fraction = 0.0f;
    int ticks_without_player = 0;
    bool time_limit_on = true;
    int player_col = 0;
    int player_row = 0;
    int diamond_quota = 0;
    int diamonds_collected = 0;
    bool quota_reached = false;
    bool exited = false;
    int bomb_ticks = 4;
    int amoeba_size_limit = 0;
    std::uint8_t amoeba_chance = 0;
    std::uint8_t amoeba_fast_chance = 0;
    int amoeba_slow_ticks = 0;
    GvObjectKind amoeba_fate = GvObjectKind::amoeba;
    int magic_wall_state = 0;
    int magic_wall_ticks = 0;
    int magic_wall_end = 0;
    int slime_permeability = 65536;
    double quota_flash_time = -1.0;
    int last_countdown_second = -1;
    std::array<GvLoopingPhase, 4> phase;
    int filler_type = 0;
    int filler_style = 0;
    std::array<bool, kWorldEventCount> events{};
    bool input_enabled = true;
    GvInputBits keys_held = 0;
    GvInputBits keys_pressed = 0;
    GvInputBits first_press = 0;
    GvInputBits last_direction = 0;
    GvInputRecording input_record;
    bool player_must_die = false;
    bool replaying = false;
    bool replay_done = true;
    GvInputRecording replay_input;
    GvGamePlayRandomStream random;
    // Drives looks only (rotations, sparkles, blinking); never the course of play.
    GvGamePlayRandomStream cosmetic_random;

    // The program clock in seconds, handed in by whoever advances the world (the
    // simulation never reads a clock); it dates quota_flash_time.
    double clock_time = 0.0;

private:
    int index(int col, int row) const { return col + row * width; }
    bool wrapOutside(int& col, int& row) const;
    int wrappedIndex(int col, int row) const;
    void tick();
    void animate(float tickDelta, float seconds);
    GvInputBits chooseInput();
    void stepVanishLists(GvInputBits input);
    void scan(GvInputBits input);
    // Ends the rest of the occupants of cell i (at col, row) and of its neighbours.
    void wakeAround(int i, int col, int row);

    // The kind of every cell's occupant, written wherever `cells` is.
    std::vector<GvObjectKind> kinds;
    // Non-zero for a cell whose occupant rests (see restUntilNearbyWrite); space
    // and plain walls, which never act, rest from the moment they are placed.
    std::vector<std::uint8_t> resting;
};
