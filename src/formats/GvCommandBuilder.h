#pragma once

#include "formats/OrbValueListSpec.h"
#include "platform/OrbUncopyable.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveCommand;
class GvCaveDef;
class GvLevelPack;
class OrbLineReader;
struct OrbValue;

// Turns the values of a drawing line into cave commands for both of the
// program's own text formats, which draw with the same commands and values but
// name objects and raw characters their own way. It keeps the macros read so far
// for "call" and counts every command made, so that no pack can multiply its
// macros past kMaxCommands. One builder serves one load.
class GvCommandBuilder : public OrbUncopyable {
public:
    using CommandList = std::vector<std::unique_ptr<GvCaveCommand>>;

    // The drawing commands, in the order both formats list them.
    enum class Command {
        set,
        line,
        rect_line,
        rect_fill,
        rect_dot,
        random_fill,
        parasite,
        raw,
        filler,
        style,
        call
    };

    // The command a drawing word of the current format names ("set" to "call",
    // in any letter case); false for another word.
    static bool commandNamed(const std::string& word, Command& command);

    // Macro calls multiply commands; a pack that would hold more than this many in
    // total is refused rather than left to exhaust memory.
    static constexpr long long kMaxCommands = 1000000;

    // `object` reads an object name; `rawAlphabet` holds the raw characters in the
    // order of the object codes. Messages name the reader's current line and go to
    // `messages` where an error needs an explanation.
    GvCommandBuilder(const OrbValueSpec& object, const char* rawAlphabet,
                     const OrbLineReader& reader, std::vector<std::string>& messages);
    ~GvCommandBuilder();

    // Parses the values of a `command` line and appends what it draws to `list`.
    void build(Command command, const std::string& values, CommandList& list);
    // Appends one command, counting it against the limit.
    void append(CommandList& list, std::unique_ptr<GvCaveCommand> command);

    // An empty macro to fill; a name already taken is an error.
    std::unique_ptr<GvCaveDef> startMacro(const std::string& name) const;
    // Makes a filled macro callable. Only now can calls find it: a macro that
    // called itself would never end.
    void addMacro(std::unique_ptr<GvCaveDef> macro);

private:
    int rawCode(char c) const;
    void call(const std::vector<OrbValue>& v, CommandList& list);

    const OrbLineReader& reader_;
    std::vector<std::string>& messages_;
    std::string rawAlphabet_;
    std::unique_ptr<GvLevelPack> macros_;
    long long commandCount_ = 0;

    OrbValueListSpec set_;
    OrbValueListSpec line_;
    OrbValueListSpec rectFill_;
    OrbValueListSpec rectDot_;
    OrbValueListSpec randomFill_;
    OrbValueListSpec parasite_;
    OrbValueListSpec raw_;
    OrbValueListSpec filler_;
    OrbValueListSpec style_;
    OrbValueListSpec call_;
};
