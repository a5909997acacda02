#pragma once

#include "formats/GvParser.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveCommand;
class GvCaveVariant;
class GvCommandBuilder;

// Reads the older version of the program's own text format. It knows no
// variants: every cave is one level, with its parameters, drawing and demo in a
// single variant record. Packs that listed their difficulty levels as separate
// caves ("A-1: ...", "A-2: ...") are regrouped into caves with variants after
// loading.
class GvGrv1Parser : public GvParser {
public:
    GvGrv1Parser();
    ~GvGrv1Parser() override;

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
    void checkVersion(const Line& line);
    void readCave(int width, int height);
    void readDemo(GvCaveVariant& variant);
    void readMacro(const std::string& name);
    // False when the line is not a drawing command.
    bool readDrawingCommand(const Line& line, std::vector<std::unique_ptr<GvCaveCommand>>& list);

    std::unique_ptr<GvLevelPack> pack_;
    std::unique_ptr<GvCommandBuilder> commands_;
};
