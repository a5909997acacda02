#include "PackCommand.h"

#include <algorithm>

std::vector<const PackCommand*> basicPackCommands() {
    return {&checkCommand(), &infoCommand(),   &mapCommand(),
            &traceCommand(), &verifyCommand(), &statsCommand()};
}

static void printOverview(const std::vector<const PackCommand*>& commands, std::ostream& out) {
    out << "usage: gravik-pack COMMAND ARGUMENTS...\n"
           "       gravik-pack --help [COMMAND]\n"
           "\n"
           "Loads, inspects and plays level packs headless, for level designers.\n"
           "PACK is the path of a pack file (.grv or .bd), or @standard for the pack\n"
           "built into the game. LEVEL is a level number from 0 (variant x cave count\n"
           "+ cave index) or a level code such as A-1 or AB3.\n"
           "Errors go to the error output; the exit code is 0 on success, 1 when a pack\n"
           "does not load or a solution does not complete, 2 for a wrong command line\n"
           "or an input that cannot be used.\n"
           "\n"
           "Commands:\n";
    for (const PackCommand* command : commands) {
        out << "\n  " << command->synopsis << "\n" << command->help;
    }
}

static const PackCommand* findCommand(const std::vector<const PackCommand*>& commands,
                                      const std::string& name) {
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const PackCommand* c) { return name == c->name; });
    return found == commands.end() ? nullptr : *found;
}

static bool isHelpWord(const std::string& word) {
    return word == "--help" || word == "-h" || word == "help";
}

int runPackTool(const std::vector<std::string>& args,
                const std::vector<const PackCommand*>& commands, std::ostream& out,
                std::ostream& err) {
    if (args.empty()) {
        err << "gravik-pack: no command given; try 'gravik-pack --help'.\n";
        return kPackExitUsage;
    }
    if (isHelpWord(args[0])) {
        if (args.size() == 1) {
            printOverview(commands, out);
            return kPackExitOk;
        }
        const PackCommand* command = findCommand(commands, args[1]);
        if (command == nullptr || args.size() > 2) {
            err << "gravik-pack: no help for '" << args[1] << "'; try 'gravik-pack --help'.\n";
            return kPackExitUsage;
        }
        out << "usage: gravik-pack " << command->synopsis << "\n" << command->help;
        return kPackExitOk;
    }
    const PackCommand* command = findCommand(commands, args[0]);
    if (command == nullptr) {
        err << "gravik-pack: unknown command '" << args[0] << "'; try 'gravik-pack --help'.\n";
        return kPackExitUsage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::any_of(rest.begin(), rest.end(),
                    [](const std::string& a) { return a == "--help" || a == "-h"; })) {
        out << "usage: gravik-pack " << command->synopsis << "\n" << command->help;
        return kPackExitOk;
    }
    return command->run(rest, out, err);
}
