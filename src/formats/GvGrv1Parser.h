#pragma once

#include "formats/GvTextParser.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveVariant;

// Reads the older version of the program's own text format. It knows no
// variants: every cave is one level, with its parameters, drawing and demo in a
// single variant record. Packs that listed their difficulty levels as separate
// caves ("A-1: ...", "A-2: ...") are regrouped into caves with variants after
// loading.
class GvGrv1Parser : public GvTextParser {
public:
    GvGrv1Parser();

private:
    void checkVersion(const std::string& values) override;
    bool readPackLine(const Line& line, bool sawCave) override;
    void readCave(int width, int height) override;
    void finishPack(GvLevelPack& pack) override;
    void readDemo(GvCaveVariant& variant);
    bool drawingCommand(const Line& line, GvCommandBuilder::Command& command) const override;
};
