#include "PackCommand.h"
#include "PackLevel.h"
#include "PackMoves.h"
#include "PackPlayer.h"
#include "PackSolutions.h"
#include "PackSource.h"
#include "levelpack/GvLevelPack.h"

static int runVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    std::string solutionsPath;
    bool strict = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--solutions") {
            if (i + 1 >= args.size()) {
                err << "gravik-pack verify: --solutions needs a file.\n";
                return kPackExitUsage;
            }
            solutionsPath = args[++i];
        } else if (args[i] == "--strict") {
            strict = true;
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            err << "gravik-pack verify: unknown option '" << args[i] << "'.\n";
            return kPackExitUsage;
        } else {
            positional.push_back(args[i]);
        }
    }
    std::unique_ptr<GvLevelPack> pack;
    std::vector<PackSolution> solutions;
    if (const int exit =
            PackSolutions::loadPackWith("verify", positional, solutionsPath, err, pack, solutions);
        exit != kPackExitOk) {
        return exit;
    }
    std::string error;

    int demoFailures = 0;
    const std::vector<int> demoLevels = pack->demoLevels();
    for (const int level : demoLevels) {
        PackPlayer::Outcome outcome;
        if (!PackPlayer::play(*pack, level, PackMoves::fromDemo(pack->demo(level)), outcome,
                              error)) {
            err << "gravik-pack verify: " << error << "\n";
            return kPackExitUsage;
        }
        demoFailures += outcome.completed() ? 0 : 1;
        out << pack->levelCode(level) << " demo: " << PackPlayer::describe(outcome) << "\n";
    }

    int solutionFailures = 0;
    std::vector<bool> solved(static_cast<std::size_t>(pack->levelCount()), false);
    for (const PackSolution& solution : solutions) {
        PackPlayer::Outcome outcome;
        if (!PackPlayer::play(*pack, solution.level, solution.moves, outcome, error)) {
            err << "gravik-pack verify: " << error << "\n";
            return kPackExitUsage;
        }
        const bool completed = outcome.completed();
        solutionFailures += completed ? 0 : 1;
        solved[static_cast<std::size_t>(solution.level)] =
            solved[static_cast<std::size_t>(solution.level)] || completed;
        out << pack->levelCode(solution.level) << " solution (line " << solution.line
            << "): " << PackPlayer::describe(outcome) << (completed ? "" : "  FAILED") << "\n";
    }

    out << "demos: " << demoLevels.size() << " played, " << demoLevels.size() - demoFailures
        << " completed\n";
    if (!solutionsPath.empty()) {
        out << "solutions: " << solutions.size() << " played, "
            << solutions.size() - solutionFailures << " completed\n";
        std::string unsolved;
        for (int level = 0; level < pack->levelCount(); ++level) {
            if (!solved[static_cast<std::size_t>(level)]) {
                unsolved += (unsolved.empty() ? "" : " ") + pack->levelCode(level);
            }
        }
        out << "levels without a completed solution: " << (unsolved.empty() ? "none" : unsolved)
            << "\n";
    }
    if (solutionFailures > 0) {
        err << "gravik-pack verify: " << solutionFailures << " of " << solutions.size()
            << " solutions did not complete.\n";
    }
    if (strict && demoFailures > 0) {
        err << "gravik-pack verify: " << demoFailures << " of " << demoLevels.size()
            << " demos did not complete.\n";
    }
    return solutionFailures > 0 || (strict && demoFailures > 0) ? kPackExitFailed : kPackExitOk;
}

const PackCommand& verifyCommand() {
    static const PackCommand command{
        "verify", "verify PACK [--solutions FILE] [--strict]",
        "      Plays every demo of the pack headless and prints for each level its\n"
        "      code, the end state, the diamonds collected of the quota and the ticks\n"
        "      left. With --solutions, also plays each line 'LEVEL MOVES' of FILE\n"
        "      (moves as for trace --input, may be split by spaces; ';' starts a\n"
        "      comment) and lists the levels that no solution completes. A solution\n"
        "      counts when the level ends Completed with the quota met. Exit 1 when a\n"
        "      solution does not, or with --strict when a demo does not.\n",
        runVerify};
    return command;
}
