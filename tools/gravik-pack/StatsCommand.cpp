#include "PackCommand.h"
#include "PackSolutions.h"
#include "PackSource.h"
#include "PackStats.h"
#include "levelpack/GvLevelPack.h"

#include <cstdio>

static int runStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    std::string solutionsPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--solutions") {
            const std::string* value = packOptionValue("stats", args, i, err);
            if (value == nullptr) {
                return kPackExitUsage;
            }
            solutionsPath = *value;
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            err << "gravik-pack stats: unknown option '" << args[i] << "'.\n";
            return kPackExitUsage;
        } else {
            positional.push_back(args[i]);
        }
    }
    std::unique_ptr<GvLevelPack> pack;
    std::vector<PackSolution> solutions;
    if (const int exit =
            PackSolutions::loadPackWith("stats", positional, solutionsPath, err, pack, solutions);
        exit != kPackExitOk) {
        return exit;
    }
    std::string error;
    std::vector<PackLevelStats> stats;
    if (!PackStats::collect(*pack, solutions, stats, error)) {
        err << "gravik-pack stats: " << error << "\n";
        return kPackExitUsage;
    }
    out << "level  quota  diamonds  butterflies  to-be-had  ticks  used  share\n";
    int unsolved = 0;
    for (const PackLevelStats& entry : stats) {
        char line[160];
        if (entry.ticksUsed < 0) {
            ++unsolved;
            std::snprintf(line, sizeof line, "%-5s  %5d  %8d  %11d  %9d  %5d     -      -\n",
                          entry.code.c_str(), entry.quota, entry.diamonds, entry.butterflies,
                          entry.reachable(), entry.ticksGiven);
        } else {
            std::snprintf(line, sizeof line, "%-5s  %5d  %8d  %11d  %9d  %5d  %4d  %4.0f%%\n",
                          entry.code.c_str(), entry.quota, entry.diamonds, entry.butterflies,
                          entry.reachable(), entry.ticksGiven, entry.ticksUsed,
                          100.0 * entry.timeShare());
        }
        out << line;
    }
    if (!solutionsPath.empty() && unsolved > 0) {
        err << "gravik-pack stats: " << unsolved << " of " << stats.size()
            << " levels have no completing solution.\n";
        return kPackExitFailed;
    }
    return kPackExitOk;
}

const PackCommand& statsCommand() {
    static const PackCommand command{
        "stats", "stats PACK [--solutions FILE]",
        "      Prints one line per level: its code, the diamond quota, the diamonds in\n"
        "      the cave at the start, the butterflies, the diamonds to be had (those\n"
        "      diamonds plus what each butterfly's explosion where it starts would\n"
        "      leave), the ticks given, and with --solutions (a file as for verify) the\n"
        "      ticks of play the solution needs and their share of the ticks given.\n"
        "      Exit 1 when a level has no completing solution in FILE.\n",
        runStats};
    return command;
}
