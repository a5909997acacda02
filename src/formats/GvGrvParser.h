#pragma once

#include "formats/GvParser.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveCommand;
class GvCaveDef;
class GvCaveVariant;
class GvCommandBuilder;

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

    // The words of the format; defined with the reader.
    enum class Keyword;

private:
    struct Line {
        Keyword keyword;
        std::string values;
    };

    bool nextLine(Line& line);
    std::unique_ptr<GvLevelPack> readPack(bool headerOnly);
    void readVersion();
    void readCave(int width, int height);
    void readVariant(GvCaveDef& cave, int v);
    void readDemo(GvCaveVariant& variant);
    void readMacro(const std::string& name);
    // False when the line is not a drawing command.
    bool readDrawingCommand(const Line& line, std::vector<std::unique_ptr<GvCaveCommand>>& list);
    // False when the line is not a per-variant parameter. `onlyVariant` < 0 applies
    // the line to the whole cave (one value for all, or one per variant).
    bool readParameter(const Line& line, GvCaveDef& cave, int onlyVariant);

    std::unique_ptr<GvLevelPack> pack_;
    std::unique_ptr<GvCommandBuilder> commands_;
};
