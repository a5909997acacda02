#pragma once

#include "game/GvCaveRecord.h"
#include "platform/OrbUncopyable.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

class OrbStream;

// The records of every completed level of the level pack in use, kept in one file per
// pack ("<pack file name>.stats" in the user's statistics folder). Records are keyed by
// the level's 16-byte digest, so a changed cave starts afresh while a renamed one keeps
// its records. Nothing about statistics is ever reported: a missing file gives an empty
// map that is saved normally; a damaged or unreadable one gives an empty map that is
// never saved over the file (the pack name is emptied until the next load).
class GvStatistics : private OrbUncopyable {
public:
    // The level digest; ordered by its bytes, unsigned, first byte most significant.
    using Key = std::array<std::uint8_t, 16>;
    using Records = std::map<Key, GvCaveRecord>;

    // Creates the statistics folder under the user's data folder of vendor and product.
    GvStatistics(std::string vendor, std::string product);

    // Switches to the pack with the given file name (its folder is dropped; "Standard"
    // for the built-in pack) and reads its file.
    void load(const std::string& packFileName);

    // The record of a level, or null when it was never completed.
    const GvCaveRecord* find(const Key& key) const;

    // Adds a completed run and saves; true when it became a best by diamonds or by time.
    bool record(int diamonds, int timeLeft, const Key& key, const GvInputRecording& recording);

    // Writes the whole map; false when nothing was written (no pack name, or the file
    // could not be replaced completely; the previous file then stays as it was).
    bool save() const;

    // Empties the map and the pack name.
    void clear();

    // The byte layout of a statistics file. Reading fills `records` and answers true,
    // or leaves it empty and answers false when the data is damaged in any way.
    static bool readRecords(OrbStream& stream, Records& records);
    static void writeRecords(OrbStream& stream, const Records& records);

    const std::string& packName() const { return packName_; }
    const Records& records() const { return records_; }
    // The folder the files are written to, ending in '/'.
    const std::string& folder() const { return folder_; }

private:
    // Throws on a short read; false on any other damage.
    static bool readFile(OrbStream& stream, Records& records);

    std::string vendor_;
    std::string product_;
    std::string folder_;
    std::string packName_;
    Records records_;
};
