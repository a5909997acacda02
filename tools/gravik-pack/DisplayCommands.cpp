// The commands that draw a level with the game's renderer. Their work is done by
// runShotCommand and runPreviewCommand (ShotCommand.h); this file resolves PACK and
// LEVEL for them as for every other command. It joins the program only together
// with ShotCommand.cpp, since both need the game and a display.

#include "PackCommand.h"
#include "PackLevel.h"
#include "PackSource.h"
#include "ShotCommand.h"
#include "levelpack/GvLevelPack.h"

using DisplayRun = int (*)(const GvLevelPack& pack, int level,
                           const std::vector<std::string>& options, std::ostream& out,
                           std::ostream& err);

static int runOnLevel(const char* name, DisplayRun run, const std::vector<std::string>& args,
                      std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args[0].empty() || args[0][0] == '-' || args[1].empty() ||
        args[1][0] == '-') {
        err << "gravik-pack " << name << ": expected PACK LEVEL before the options.\n";
        return kPackExitUsage;
    }
    std::unique_ptr<GvLevelPack> pack;
    int level = -1;
    if (const int code = PackLevel::load(name, args[0], args[1], pack, level, err);
        code != kPackExitOk) {
        return code;
    }
    const std::vector<std::string> options(args.begin() + 2, args.end());
    return run(*pack, level, options, out, err);
}

static int runShot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() >= 2 && args[1] == "--sheet" && !args[0].empty() && args[0][0] != '-') {
        std::string error;
        const auto pack = PackSource::load(args[0], error);
        if (!pack) {
            err << error << "\n";
            return kPackExitFailed;
        }
        return runSheetCommand(*pack, std::vector<std::string>(args.begin() + 2, args.end()), out,
                               err);
    }
    return runOnLevel("shot", runShotCommand, args, out, err);
}

static int runPreview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runOnLevel("preview", runPreviewCommand, args, out, err);
}

const PackCommand& shotCommand() {
    static const PackCommand command{
        "shot",
        "shot PACK LEVEL --out FILE.png [--input MOVES] [--ticks N] [--tile PIXELS]\n"
        "  shot PACK --sheet --out FILE.png [--tile PIXELS]",
        "      Draws the whole cave with the game's renderer into a PNG, after\n"
        "      replaying MOVES (as for trace --input) for at most N ticks; PIXELS is\n"
        "      the size of one cell. With --sheet, draws the first level of every\n"
        "      cave side by side into one PNG (8 pixels a cell unless --tile says\n"
        "      otherwise), in the pack's order, row by row. Needs a display (e.g.\n"
        "      xvfb-run).\n",
        runShot};
    return command;
}

const PackCommand& previewCommand() {
    static const PackCommand command{
        "preview", "preview PACK LEVEL --out FILE.png",
        "      Writes the 512 x 256 start-box preview of the level as a PNG. Needs a\n"
        "      display (e.g. xvfb-run).\n",
        runPreview};
    return command;
}
