#include "PackLevel.h"

#include "PackCommand.h"
#include "PackSource.h"
#include "levelpack/GvLevelPack.h"

#include <cctype>

static bool equalIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int PackLevel::parse(const GvLevelPack& pack, const std::string& argument, std::string& error) {
    error.clear();
    const int count = pack.levelCount();
    const std::string range = count > 0
                                  ? " (levels 0 to " + std::to_string(count - 1) + ", " +
                                        pack.levelCode(0) + " to " + pack.levelCode(count - 1) + ")"
                                  : "";
    if (!argument.empty() && std::isdigit(static_cast<unsigned char>(argument[0]))) {
        long long number = 0;
        for (const char c : argument) {
            if (!std::isdigit(static_cast<unsigned char>(c))) {
                error = "'" + argument + "' is neither a level number nor a level code.";
                return -1;
            }
            // Anything past the last level is out of range however long it is.
            number = number * 10 + (c - '0');
            if (number > count) {
                number = count;
            }
        }
        if (number >= count) {
            error = "The pack has no level " + argument + range + ".";
            return -1;
        }
        return static_cast<int>(number);
    }
    for (int level = 0; level < count; ++level) {
        if (equalIgnoringCase(pack.levelCode(level), argument)) {
            return level;
        }
    }
    error = "The pack has no level '" + argument + "'" + range + ".";
    return -1;
}

int PackLevel::load(const char* command, const std::string& packArgument,
                    const std::string& levelArgument, std::unique_ptr<GvLevelPack>& pack,
                    int& level, std::ostream& err) {
    std::string error;
    pack = PackSource::load(packArgument, error);
    if (!pack) {
        err << error << "\n";
        return kPackExitFailed;
    }
    level = parse(*pack, levelArgument, error);
    if (level < 0) {
        err << "gravik-pack " << command << ": " << error << "\n";
        return kPackExitUsage;
    }
    return kPackExitOk;
}
