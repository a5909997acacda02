#include "PackCommand.h"
#include "PackLevel.h"
#include "PackPlayer.h"
#include "PackSource.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

static int runMap(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "gravik-pack map: expected PACK LEVEL.\n";
        return kPackExitUsage;
    }
    std::string error;
    const auto pack = PackSource::load(args[0], error);
    if (!pack) {
        err << error << "\n";
        return kPackExitFailed;
    }
    const int level = PackLevel::parse(*pack, args[1], error);
    if (level < 0) {
        err << "gravik-pack map: " << error << "\n";
        return kPackExitUsage;
    }
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
        "      'r' boulder, 'd' diamond, 'b' bomb, 'M' magic wall, 'G' 'H' 'V' growing\n"
        "      walls, '1'-'4' fireflies, '5'-'8' butterflies, 'a' amoeba, 's' slime,\n"
        "      'P' in box, 'X' out box, 'F' voodoo doll (capitals R D B: falling).\n",
        runMap};
    return command;
}
