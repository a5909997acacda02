// Feeds arbitrary bytes to the two readers of a player's saved runs: the statistics
// file and, on its own, the byte form of an input recording. Whatever a reader
// accepts must be well formed and must come back unchanged when written and read
// again, so that a saved file never changes what it holds.

#include "game/GvStatistics.h"
#include "platform/GvInputRecordingIO.h"
#include "platform/OrbException.h"
#include "platform/OrbMemoryStream.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_statistics: %s\n", what);
        std::abort();
    }
}

void checkRecording(const GvInputRecording& recording) {
    for (std::size_t i = 0; i < recording.size(); ++i) {
        check(recording[i].count >= 1, "a run of no ticks");
        check(GvInputRecordingIO::codeOfMoves(recording[i].moves) != 0, "an input without code");
        check(i == 0 || recording[i].moves != recording[i - 1].moves, "equal neighbouring runs");
    }
}

void recordingRoundTrip(const std::string& bytes) {
    OrbMemoryStream in(bytes);
    GvInputRecording recording;
    try {
        recording = GvInputRecordingIO::read(in);
    } catch (const OrbException&) {
        return;
    }
    check(in.tell() <= in.size(), "read past the end");
    checkRecording(recording);
    OrbMemoryStream out;
    GvInputRecordingIO::write(out, recording);
    out.seek(0);
    check(GvInputRecordingIO::read(out) == recording, "a recording changed when stored");
}

std::string written(const GvStatistics::Records& records) {
    OrbMemoryStream out;
    GvStatistics::writeRecords(out, records);
    return std::string(out.bytes().begin(), out.bytes().end());
}

void statisticsRoundTrip(const std::string& bytes) {
    OrbMemoryStream in(bytes);
    GvStatistics::Records records;
    if (!GvStatistics::readRecords(in, records)) {
        check(records.empty(), "records kept from a damaged file");
        return;
    }
    for (const auto& [key, record] : records) {
        check(record.completions >= 1 && record.bestDiamonds >= 0 &&
                  record.bestDiamondsTimeLeft >= 0,
              "a record that the checks should have refused");
        checkRecording(record.bestDiamondsRecording);
        checkRecording(record.bestTimeRecording);
    }
    const std::string first = written(records);
    OrbMemoryStream again(first);
    GvStatistics::Records reread;
    check(GvStatistics::readRecords(again, reread), "a written file does not read back");
    check(reread == records, "records changed when saved");
    check(written(reread) == first, "saving twice gives different files");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    statisticsRoundTrip(bytes);
    recordingRoundTrip(bytes);
    return 0;
}
