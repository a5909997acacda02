#include "PackCommand.h"
#include "PackSource.h"
#include "levelpack/GvLevelPack.h"

static int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "gravik-pack check: no pack given.\n";
        return kPackExitUsage;
    }
    for (const std::string& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            err << "gravik-pack check: unknown option '" << arg << "'.\n";
            return kPackExitUsage;
        }
    }
    int result = kPackExitOk;
    for (const std::string& arg : args) {
        std::string error;
        const auto pack = PackSource::load(arg, error);
        if (!pack) {
            err << error << "\n";
            result = kPackExitFailed;
            continue;
        }
        // With several packs each line says which one it is about.
        if (args.size() > 1) {
            out << arg << ": ";
        }
        out << "ok: " << pack->caveCount() << " caves, " << pack->variantCount() << " variants\n";
    }
    return result;
}

const PackCommand& checkCommand() {
    static const PackCommand command{
        "check", "check PACK...",
        "      Loads each pack as the game does and prints 'ok: N caves, V variants',\n"
        "      or writes the message the game would show to the error output. With\n"
        "      several packs each ok line starts with the pack's name. For @standard a\n"
        "      damaged built-in pack gives the corrupt-installation message; check its\n"
        "      source file (assets/standard/standard.grv) to see the reader's messages.\n"
        "      Exit 0 only when every pack loads.\n",
        runCheck};
    return command;
}
