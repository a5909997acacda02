// gravik-pack: a command-line tool for level designers that loads, inspects and
// plays level packs headless. See `gravik-pack --help`.

#include "PackCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<const PackCommand*> commands = basicPackCommands();
    commands.push_back(&shotCommand());
    commands.push_back(&previewCommand());
    const std::vector<std::string> args(argv + 1, argv + argc);
    return runPackTool(args, commands, std::cout, std::cerr);
}
