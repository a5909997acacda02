#include "PackCommand.h"
#include "PackLevel.h"
#include "PackPlayer.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

static int runMap(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "gravik-pack map: expected PACK LEVEL.\n";
        return kPackExitUsage;
    }
    std::unique_ptr<GvLevelPack> pack;
    int level = -1;
    if (const int code = PackLevel::load("map", args[0], args[1], pack, level, err);
        code != kPackExitOk) {
        return code;
    }
    std::string error;
    const auto world = PackPlayer::build(*pack, level, error);
    if (!world) {
        err << "gravik-pack map: " << error << "\n";
        return kPackExitUsage;
    }
    out << GvWorldText::format(*world);
    return kPackExitOk;
}

const PackCommand& mapCommand() {
    static const PackCommand command{
        "map", "map PACK LEVEL",
        "      Builds the level and prints its grid in the world's text form, one\n"
        "      character per cell: ' ' space, '.' dirt, 'W' steel wall, 'w' brick wall,\n"
        "      'M' magic wall, 'V' 'H' 'G' growing walls (up-down, left-right, both),\n"
        "      'r' boulder, 'd' diamond, 'b' bomb, 'c' lit bomb (capitals R D B C:\n"
        "      falling), '1'-'4' fireflies and '5'-'8' butterflies by heading, 'a'\n"
        "      amoeba, 's' slime, '*' explosion, 'P' in box, 'X' out box, '@' player,\n"
        "      'F' voodoo doll.\n",
        runMap};
    return command;
}
