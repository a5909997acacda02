// gravik-solve: searches input recordings that complete the levels of a pack and
// writes them as solution lines "LEVEL MOVES" (or as demo blocks with --demo).

#include "GvSolver.h"
#include "PackLevel.h"
#include "PackMoves.h"
#include "PackSource.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

static int usage() {
    std::cerr << "usage: gravik-solve PACK [LEVEL...] [--out FILE] [--seconds S] [--segments N] "
                 "[--demo]\n"
                 "  PACK     a pack file or @standard\n"
                 "  LEVEL    a level number or code (A-1, AB3); all levels when none is given\n"
                 "  --out    append the solution lines to FILE instead of printing them\n"
                 "  --seconds, --segments  search budget per level\n"
                 "  --demo   print each solution as the lines of a demo block\n";
    return 2;
}

// The moves as quoted demo lines of at most about 60 characters.
static std::string demoLines(const GvInputRecording& moves) {
    std::string text;
    std::string line;
    GvInputRecording one(1);
    for (const GvInputRun& run : moves) {
        one[0] = run;
        const std::string step = PackMoves::format(one);
        if (line.size() + step.size() > 60) {
            text += "\t\t\t\"" + line + "\"\n";
            line.clear();
        }
        line += step;
    }
    if (!line.empty()) {
        text += "\t\t\t\"" + line + "\"\n";
    }
    return text;
}

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help") {
        return usage();
    }
    std::string error;
    const std::unique_ptr<GvLevelPack> pack = PackSource::load(args[0], error);
    if (!pack) {
        std::cerr << error << "\n";
        return 1;
    }
    GvSolver::Options options;
    std::vector<int> levels;
    std::string outPath;
    bool demo = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--out" && hasValue) {
            outPath = args[++i];
        } else if (arg == "--seconds" && hasValue) {
            options.maxSeconds = std::stod(args[++i]);
        } else if (arg == "--segments" && hasValue) {
            options.maxSegments = std::stoi(args[++i]);
        } else if (arg == "--demo") {
            demo = true;
        } else {
            const int level = PackLevel::parse(*pack, arg, error);
            if (level < 0) {
                std::cerr << error << "\n";
                return 2;
            }
            levels.push_back(level);
        }
    }
    if (levels.empty()) {
        for (int level = 0; level < pack->levelCount(); ++level) {
            levels.push_back(level);
        }
    }
    std::ofstream file;
    if (!outPath.empty()) {
        file.open(outPath, std::ios::app);
        if (!file) {
            std::cerr << "Unable to write '" << outPath << "'.\n";
            return 1;
        }
    }
    std::ostream& out = outPath.empty() ? std::cout : file;
    int unsolved = 0;
    for (const int level : levels) {
        GvSolver solver(*pack, level, options);
        const GvSolver::Result result = solver.solve();
        const std::unique_ptr<GvWorld> world = solver.replay({});
        const std::string code = world ? world->level_code : std::to_string(level);
        if (!result.solved) {
            ++unsolved;
            std::cerr << code << " unsolved after " << result.segments << " goals, best "
                      << result.bestDiamonds << "/" << (world ? world->diamond_quota : 0)
                      << " with " << PackMoves::format(GvSolver::toRecording(result.bestInputs))
                      << "\n";
            continue;
        }
        const GvInputRecording moves = GvSolver::toRecording(result.inputs);
        std::cerr << code << " solved in " << result.inputs.size() << " ticks, " << result.segments
                  << " goals\n";
        if (demo) {
            out << code << "\n" << demoLines(moves);
        } else {
            out << code << " " << PackMoves::format(moves) << "\n";
        }
        out.flush();
    }
    return unsolved == 0 ? 0 : 1;
}
