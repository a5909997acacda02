#include "PackCommand.h"
#include "PackLevel.h"
#include "PackMoves.h"
#include "PackPlayer.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"

#include <limits>

static constexpr long long kDefaultFrames = 2000;

static int runTrace(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    std::string input;
    bool haveInput = false;
    bool demo = false;
    long long frames = kDefaultFrames;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--input" || arg == "--ticks") {
            const std::string* given = packOptionValue("trace", args, i, err);
            if (given == nullptr) {
                return kPackExitUsage;
            }
            const std::string& value = *given;
            if (arg == "--input") {
                input = value;
                haveInput = true;
                continue;
            }
            if (!parsePackNumber(value, 1, std::numeric_limits<long long>::max(), frames)) {
                err << "gravik-pack trace: --ticks needs a whole number of at least 1, not '"
                    << value << "'.\n";
                return kPackExitUsage;
            }
        } else if (arg == "--demo") {
            demo = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "gravik-pack trace: unknown option '" << arg << "'.\n";
            return kPackExitUsage;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        err << "gravik-pack trace: expected PACK LEVEL.\n";
        return kPackExitUsage;
    }
    if (haveInput && demo) {
        err << "gravik-pack trace: --input and --demo exclude each other.\n";
        return kPackExitUsage;
    }
    GvInputRecording moves;
    std::string error;
    if (haveInput && !PackMoves::parse(input, moves, error)) {
        err << "gravik-pack trace: " << error << "\n";
        return kPackExitUsage;
    }

    std::unique_ptr<GvLevelPack> pack;
    int level = -1;
    if (const int code = PackLevel::load("trace", positional[0], positional[1], pack, level, err);
        code != kPackExitOk) {
        return code;
    }
    if (demo) {
        moves = PackMoves::fromDemo(pack->demo(level));
        if (moves.empty()) {
            err << "gravik-pack trace: level " << pack->levelCode(level) << " has no demo.\n";
            return kPackExitUsage;
        }
    }
    const auto world = PackPlayer::build(*pack, level, error);
    if (!world) {
        err << "gravik-pack trace: " << error << "\n";
        return kPackExitUsage;
    }
    // Without recorded input the level runs with no key pressed, as an idle player.
    if (haveInput || demo) {
        world->startReplay(moves);
    }
    out << PackPlayer::frame(*world);
    for (long long printed = 1; printed < frames && !PackPlayer::finished(*world); ++printed) {
        PackPlayer::step(*world);
        out << PackPlayer::frame(*world);
    }
    return kPackExitOk;
}

const PackCommand& traceCommand() {
    static const PackCommand command{
        "trace", "trace PACK LEVEL [--input MOVES | --demo] [--ticks N]",
        "      Builds the level and prints frame 0 (the built world), then advances it\n"
        "      one tick at a time and prints a frame after each tick, until the level\n"
        "      is Completed or Ended or N frames (frame 0 included; default 2000) have\n"
        "      been printed. A frame is the line\n"
        "        tick T state S diamonds C/Q left R events HHHHHH\n"
        "      (T ticks so far, S the state: 0 PreGame, 1 Playing, 2 Completed, 3 Ended,\n"
        "      4 PlayerGone; C of Q diamonds; R ticks left; the 24 event flags of that\n"
        "      tick as six hex digits, bit n = event n), then the grid as 'map' prints\n"
        "      it, then an empty line.\n"
        "      --input MOVES replays MOVES, written like a demo: a letter and a count\n"
        "      per step, '.' wait, u d l r move, U D L R snap (e.g. .25r4d2R1); the\n"
        "      level ends when the input runs out. --demo replays the level's demo.\n"
        "      Without either, no key is pressed.\n",
        runTrace};
    return command;
}
