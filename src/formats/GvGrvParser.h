#pragma once

#include "formats/GvParser.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveCommand;
class GvCaveDef;
class GvCaveVariant;
class OrbLineReader;
struct OrbValue;

// Reads the program's own line-oriented level pack format: a version line,
// header texts, then cave and macro blocks. Caves hold parameters for all or for
// single variants, drawing commands, variant blocks and demos; macros are named
// command lists that caves, variants and later macros copy by "call".
class GvGrvParser : public GvParser {
public:
    GvGrvParser();
    ~GvGrvParser() override;

    std::unique_ptr<GvLevelPack> parse(OrbStream& stream, std::vector<std::string>* messages,
                                       bool headerOnly) override;

    // Macro calls multiply commands; a pack that would hold more than this many in
    // total is refused rather than left to exhaust memory.
    static constexpr long long kMaxCommands = 1000000;

    // The words of the format; defined with the reader.
    enum class Keyword;

private:
    using CommandList = std::vector<std::unique_ptr<GvCaveCommand>>;

    struct Line {
        Keyword keyword;
        std::string values;
    };

    bool nextLine(Line& line);
    std::unique_ptr<GvLevelPack> readPack(bool headerOnly);
    void readVersion();
    void expectOpenBrace();
    void readCave(int width, int height);
    void readVariant(GvCaveDef& cave, int v);
    void readDemo(GvCaveVariant& variant);
    void readMacro(const std::string& name);
    // False when the line is not a drawing command.
    bool readDrawingCommand(const Line& line, CommandList& list);
    // False when the line is not a per-variant parameter. `onlyVariant` < 0 applies
    // the line to the whole cave (one value for all, or one per variant).
    bool readParameter(const Line& line, GvCaveDef& cave, int onlyVariant);
    void append(CommandList& list, std::unique_ptr<GvCaveCommand> command);
    // Adds a positional message and its explanation and ends the parse.
    [[noreturn]] void fail(const std::string& first, const std::string& second);
    void noValues(const Line& line) const;

    std::unique_ptr<OrbLineReader> reader_;
    std::vector<std::string>* messages_ = nullptr;
    std::unique_ptr<GvLevelPack> pack_;
    std::unique_ptr<GvLevelPack> macros_;
    long long commandCount_ = 0;
};
