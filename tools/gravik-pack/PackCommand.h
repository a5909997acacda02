#pragma once

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

// One command of gravik-pack: its name, a one-line synopsis, the help text, and
// the function that runs it with the arguments that follow the command name.
// Results go to `out`, errors to `err`; the result is the exit code.
//
// A command lives in a source file of its own named <Name>Command.cpp that defines
// its accessor below. The commands that draw (shot and preview, DisplayCommands.cpp
// over ShotCommand.h) need the game and a display; they are compiled in only when
// ShotCommand.cpp exists, so that the others keep working without one.
struct PackCommand {
    using Run = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    const char* name;
    const char* synopsis;
    const char* help;
    Run run;
};

// Exit codes shared by all commands.
constexpr int kPackExitOk = 0;
// A pack did not load, or a solution did not complete.
constexpr int kPackExitFailed = 1;
// The command line was wrong or an input could not be used.
constexpr int kPackExitUsage = 2;

// A whole decimal number in [minimum, maximum] that fills all of `text`, or false.
inline bool parsePackNumber(const std::string& text, long long minimum, long long maximum,
                            long long& value) {
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    return parsed.ec == std::errc() && parsed.ptr == end && value >= minimum && value <= maximum;
}

// The value that follows option args[i], with i moved onto it; null, after
// reporting that the option needs a value, when the arguments end there.
inline const std::string* packOptionValue(const char* command, const std::vector<std::string>& args,
                                          std::size_t& i, std::ostream& err) {
    if (i + 1 >= args.size()) {
        err << "gravik-pack " << command << ": " << args[i] << " needs a value.\n";
        return nullptr;
    }
    return &args[++i];
}

const PackCommand& checkCommand();
const PackCommand& infoCommand();
const PackCommand& mapCommand();
const PackCommand& traceCommand();
const PackCommand& verifyCommand();
const PackCommand& statsCommand();
const PackCommand& shotCommand();
const PackCommand& previewCommand();

// The commands that every build has, in the order the help lists them.
std::vector<const PackCommand*> basicPackCommands();

// Runs gravik-pack: the first argument names the command, or asks for help
// ("--help", "-h" or "help", optionally followed by a command name); "COMMAND
// --help" shows that command's help.
int runPackTool(const std::vector<std::string>& args,
                const std::vector<const PackCommand*>& commands, std::ostream& out,
                std::ostream& err);
