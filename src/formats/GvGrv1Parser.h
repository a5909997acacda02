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
    ~GvGrv1Parser() override;

    // The words of the format; defined with the reader.
    enum class Keyword;

private:
    struct Line {
        Keyword keyword;
        std::string word;
        std::string values;
    };

    bool nextLine(Line& line);
    std::unique_ptr<GvLevelPack> readPack(bool headerOnly) override;
    void finishPack(GvLevelPack& pack) override;
    void checkVersion(const Line& line);
    void readCave(int width, int height);
    void readDemo(GvCaveVariant& variant);
    bool drawingCommand(const std::string& keyword,
                        GvCommandBuilder::Command& command) const override;
};
