#include "PackPlayer.h"

#include "PackMoves.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <cmath>
#include <cstdio>

std::unique_ptr<GvWorld> PackPlayer::build(const GvLevelPack& pack, int level, std::string& error) {
    error.clear();
    // A fixed cosmetic seed keeps every printed frame reproducible.
    auto world = std::make_unique<GvWorld>(0);
    if (!pack.buildLevel(level, *world)) {
        error = "The pack has no level " + std::to_string(level) + ".";
        return nullptr;
    }
    // Without a positive rate no time would ever turn into ticks.
    if (!(world->tick_rate > 0.0f) || !std::isfinite(world->tick_rate)) {
        error = "Level " + world->level_code + " has no usable tick rate.";
        return nullptr;
    }
    return world;
}

void PackPlayer::step(GvWorld& world) {
    // 1 / rate times rate may round to a hair above one tick, which would run a
    // second tick at the end of the same advance; stay at or just below one.
    const double rate = world.tick_rate;
    double seconds = 1.0 / rate;
    while (seconds * rate > 1.0) {
        seconds = std::nextafter(seconds, 0.0);
    }
    world.clock_time = world.tick_count / rate;
    world.advance(seconds);
}

bool PackPlayer::finished(const GvWorld& world) {
    return world.state == GvWorldState::Completed || world.state == GvWorldState::Ended;
}

std::string PackPlayer::frame(const GvWorld& world) {
    unsigned events = 0;
    for (int n = 0; n < kWorldEventCount; ++n) {
        if (world.events[static_cast<std::size_t>(n)]) {
            events |= 1u << n;
        }
    }
    char header[160];
    std::snprintf(header, sizeof header, "tick %d state %d diamonds %d/%d left %d events %06x\n",
                  world.tick_count, static_cast<int>(world.state), world.diamonds_collected,
                  world.diamond_quota, world.remainingTicks(), events);
    return header + GvWorldText::format(world) + "\n";
}

const char* PackPlayer::stateName(GvWorldState state) {
    switch (state) {
    case GvWorldState::PreGame:
        return "PreGame";
    case GvWorldState::Playing:
        return "Playing";
    case GvWorldState::Completed:
        return "Completed";
    case GvWorldState::Ended:
        return "Ended";
    case GvWorldState::PlayerGone:
        return "PlayerGone";
    }
    return "?";
}

bool PackPlayer::play(const GvLevelPack& pack, int level, const GvInputRecording& moves,
                      Outcome& outcome, std::string& error) {
    const std::unique_ptr<GvWorld> world = build(pack, level, error);
    if (!world) {
        return false;
    }
    world->startReplay(moves);
    // The world ends a replay at the first due tick after its input is used up;
    // the bound only guards against a world that would not. Once the player is
    // gone the outcome is settled, and a long input must not keep the world
    // ticking for nothing.
    const long long limit = PackMoves::tickCount(moves) + 4;
    for (long long n = 0;
         n < limit && !finished(*world) && world->state != GvWorldState::PlayerGone; ++n) {
        step(*world);
    }
    outcome.state = world->state;
    outcome.diamonds = world->diamonds_collected;
    outcome.quota = world->diamond_quota;
    outcome.ticksLeft = world->remainingTicks();
    outcome.ticks = world->tick_count;
    return true;
}

std::string PackPlayer::describe(const Outcome& outcome) {
    return std::string(stateName(outcome.state)) + ", diamonds " +
           std::to_string(outcome.diamonds) + "/" + std::to_string(outcome.quota) + ", left " +
           std::to_string(outcome.ticksLeft) + " ticks";
}
