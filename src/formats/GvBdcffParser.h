#pragma once

#include "formats/GvBdcffCaveRecord.h"
#include "formats/GvBdcffGameRecord.h"
#include "formats/GvParser.h"

#include <memory>
#include <string>
#include <vector>

class OrbValueSpec;
struct OrbValue;

// Reads packs in BDCFF, the published common cave file format of the genre: a
// game section with caves, each cave holding keys, an object list, a map and a
// demo. Sections it does not know are skipped. What it reads is converted into
// caves with one variant per difficulty level.
class GvBdcffParser : public GvParser {
public:
    GvBdcffParser();
    ~GvBdcffParser() override;

    std::unique_ptr<GvLevelPack> parse(OrbStream& stream, std::vector<std::string>* messages,
                                       bool headerOnly) override;

    // Drawing is repeated for every level when tick rates are derived; a file
    // whose objects would take more cell writes than this in total, or more
    // commands than the text format allows, is refused rather than left to stall
    // the loading.
    static constexpr long long kMaxDrawingWork = 20000000;

    // The section lines the reader knows; defined with the reader.
    enum class Section;

private:
    bool nextLine(std::string& text);
    // False when reading stopped early for a header-only load.
    bool readGame(bool headerOnly);
    void readCave();
    void readObjects(GvBdcffCaveRecord& cave);
    void readMap(GvBdcffCaveRecord& cave);
    void readDemo(GvBdcffCaveRecord& cave);
    // Skips an unknown section, with any sections nested in it, up to its end; a
    // closing line, or one too short to name a section, is a syntax error.
    void skipSection(const std::string& line);
    void readGameKey(const std::string& key, const std::string& value);
    void readCaveKey(GvBdcffCaveRecord& cave, const std::string& key, const std::string& value);
    void readObject(GvBdcffCaveRecord& cave, const std::string& line,
                    const std::vector<int>& levels);
    void addObject(GvBdcffCaveRecord& cave, GvBdcffObject object, long long work);
    // A line starting with "[" that does not end with "]".
    void requireSectionEnd(const std::string& line);
    // One value for all levels or one per level.
    std::vector<OrbValue> perLevel(const std::string& text, const OrbValueSpec& spec) const;

    GvBdcffGameRecord game_;
    std::vector<GvBdcffCaveRecord> caves_;
    long long work_ = 0;
    long long commandCount_ = 0;
};
