#include "PackCommand.h"
#include "PackLevel.h"
#include "PackMoves.h"
#include "PackPlayer.h"
#include "PackSource.h"
#include "ShotPicture.h"

#include "game/GvShotRenderer.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"

static constexpr long long kDefaultTile = 32;
static constexpr long long kMaxTile = 256;
static constexpr long long kMaxTicks = 1000000;

static int runShot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    std::string output;
    std::string input;
    bool haveInput = false;
    bool haveTicks = false;
    long long ticks = 0;
    long long tile = kDefaultTile;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--out" || arg == "--input" || arg == "--ticks" || arg == "--tile") {
            if (i + 1 >= args.size()) {
                err << "gravik-pack shot: " << arg << " needs a value.\n";
                return kPackExitUsage;
            }
            const std::string& value = args[++i];
            if (arg == "--out") {
                output = value;
            } else if (arg == "--input") {
                input = value;
                haveInput = true;
            } else if (arg == "--ticks") {
                if (!parseBoundedNumber(value, 0, kMaxTicks, ticks)) {
                    err << "gravik-pack shot: --ticks needs a whole number from 0 to " << kMaxTicks
                        << ", not '" << value << "'.\n";
                    return kPackExitUsage;
                }
                haveTicks = true;
            } else if (!parseBoundedNumber(value, 1, kMaxTile, tile)) {
                err << "gravik-pack shot: --tile needs a whole number of pixels from 1 to "
                    << kMaxTile << ", not '" << value << "'.\n";
                return kPackExitUsage;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "gravik-pack shot: unknown option '" << arg << "'.\n";
            return kPackExitUsage;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        err << "gravik-pack shot: expected PACK LEVEL.\n";
        return kPackExitUsage;
    }
    if (output.empty()) {
        err << "gravik-pack shot: --out FILE.png is required.\n";
        return kPackExitUsage;
    }
    GvInputRecording moves;
    std::string error;
    if (haveInput && !PackMoves::parse(input, moves, error)) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitUsage;
    }

    const auto pack = PackSource::load(positional[0], error);
    if (!pack) {
        err << error << "\n";
        return kPackExitFailed;
    }
    const int level = PackLevel::parse(*pack, positional[1], error);
    if (level < 0) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitUsage;
    }
    const auto world = PackPlayer::build(*pack, level, error);
    if (!world) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitUsage;
    }
    // With input and no tick count the picture shows the moment the input ends.
    if (haveInput) {
        world->startReplay(moves);
        if (!haveTicks) {
            ticks = PackMoves::tickCount(moves);
        }
    }
    long long played = 0;
    for (; played < ticks && !PackPlayer::finished(*world); ++played) {
        PackPlayer::step(*world);
    }

    GvShotRenderer renderer;
    GvShotRenderer::Picture picture;
    if (!renderer.open(error) || !renderer.drawWorld(*world, static_cast<int>(tile), picture, error) ||
        !writePicturePng(picture, output, error)) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitFailed;
    }
    out << "Wrote " << output << ": level " << pack->levelCode(level) << " after " << played
        << " ticks, " << picture.width << " x " << picture.height << " pixels.\n";
    return kPackExitOk;
}

const PackCommand& shotCommand() {
    static const PackCommand command{
        "shot", "shot PACK LEVEL --out FILE.png [--input MOVES] [--ticks N] [--tile PIXELS]",
        "      Builds the level and writes a PNG of the whole cave (its visible\n"
        "      rectangle when it has one) as the game draws it, TILE pixels per cell\n"
        "      (default 32). --input MOVES replays MOVES first, written like a demo\n"
        "      (e.g. .25r4d2R1); the picture shows the moment the input ends, or\n"
        "      after N ticks with --ticks N (without input: N ticks with no key\n"
        "      pressed). Needs a display: on a machine without one run it under\n"
        "      xvfb-run.\n",
        runShot};
    return command;
}
