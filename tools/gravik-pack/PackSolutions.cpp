#include "PackSolutions.h"

#include "PackCommand.h"
#include "PackLevel.h"
#include "PackMoves.h"
#include "PackSource.h"
#include "levelpack/GvLevelPack.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

bool PackSolutions::read(const std::string& path, const GvLevelPack& pack,
                         std::vector<PackSolution>& solutions, std::string& error) {
    std::error_code ignored;
    std::ifstream in;
    // A folder opens like a file here but reads as empty, which would pass as a
    // file without solutions.
    if (!std::filesystem::is_directory(path, ignored)) {
        in.open(path, std::ios::binary);
    }
    if (!in.is_open()) {
        error = "cannot open the solutions file '" + path + "'.";
        return false;
    }
    std::string text;
    int lineNumber = 0;
    while (std::getline(in, text)) {
        ++lineNumber;
        const std::size_t comment = text.find(';');
        if (comment != std::string::npos) {
            text.erase(comment);
        }
        std::istringstream words(text);
        std::string levelWord;
        if (!(words >> levelWord)) {
            continue;
        }
        const std::string where = path + ":" + std::to_string(lineNumber) + ": ";
        PackSolution solution;
        solution.line = lineNumber;
        solution.level = PackLevel::parse(pack, levelWord, error);
        if (solution.level < 0) {
            error = where + error;
            return false;
        }
        std::string rest;
        std::getline(words, rest);
        if (!PackMoves::parse(rest, solution.moves, error)) {
            error = where + error;
            return false;
        }
        if (solution.moves.empty()) {
            error = where + "the level has no moves.";
            return false;
        }
        solutions.push_back(std::move(solution));
    }
    if (in.bad()) {
        error = "cannot read the solutions file '" + path + "'.";
        return false;
    }
    return true;
}

int PackSolutions::loadPackWith(const char* command, const std::vector<std::string>& positional,
                                const std::string& path, std::ostream& err,
                                std::unique_ptr<GvLevelPack>& pack,
                                std::vector<PackSolution>& solutions) {
    if (positional.size() != 1) {
        err << "gravik-pack " << command << ": expected one PACK.\n";
        return kPackExitUsage;
    }
    std::string error;
    pack = PackSource::load(positional[0], error);
    if (!pack) {
        err << error << "\n";
        return kPackExitFailed;
    }
    if (!path.empty() && !read(path, *pack, solutions, error)) {
        err << "gravik-pack " << command << ": " << error << "\n";
        return kPackExitUsage;
    }
    return kPackExitOk;
}
