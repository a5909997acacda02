#pragma once

#include "formats/GvTextParser.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveDef;
class GvCaveVariant;

// Reads the program's own line-oriented level pack format: a version line,
// header texts, then cave and macro blocks. Caves hold parameters for all or for
// single variants, drawing commands, variant blocks and demos; macros are named
// command lists that caves, variants and later macros copy by "call".
class GvGrvParser : public GvTextParser {
public:
    GvGrvParser();

private:
    void checkVersion(const std::string& values) override;
    bool readPackLine(const Line& line, bool sawCave) override;
    void readCave(int width, int height) override;
    void readVariant(GvCaveDef& cave, int v);
    void readDemo(GvCaveVariant& variant);
    bool drawingCommand(const Line& line, GvCommandBuilder::Command& command) const override;
    // False when the line is not a per-variant parameter. `onlyVariant` < 0 applies
    // the line to the whole cave (one value for all, or one per variant).
    bool readParameter(const Line& line, GvCaveDef& cave, int onlyVariant);
};
