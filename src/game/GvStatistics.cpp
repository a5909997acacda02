#include "game/GvStatistics.h"

#include "platform/GvInputRecordingIO.h"
#include "platform/OrbAtomicFile.h"
#include "platform/OrbFolder.h"
#include "platform/OrbMemoryStream.h"
#include "platform/OrbPaths.h"
#include "platform/OrbStreamException.h"

#include <climits>
#include <cstring>
#include <exception>
#include <memory>
#include <utility>

constexpr char kMagic[4] = {'G', 'v', 'H', 'S'};
constexpr int kWrittenVersion = 1;

static std::uint32_t readLittleEndian(OrbStream& stream, int bytes) {
    std::uint8_t buffer[4] = {};
    stream.read(buffer, bytes);
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | buffer[i];
    }
    return value;
}

static int readInt32(OrbStream& stream) {
    return static_cast<int>(readLittleEndian(stream, 4));
}

static void writeLittleEndian(OrbStream& stream, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        stream.putByte(static_cast<int>((value >> (8 * i)) & 0xFF));
    }
}

static void writeInt32(OrbStream& stream, int value) {
    writeLittleEndian(stream, static_cast<std::uint32_t>(value), 4);
}

static bool readMagic(OrbStream& stream) {
    char magic[4] = {};
    stream.read(magic, 4);
    return std::memcmp(magic, kMagic, 4) == 0;
}

// Totals grow with every completion; they stop at the largest int rather than wrap.
static int addClamped(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : static_cast<int>(sum);
}

GvStatistics::GvStatistics(std::string vendor, std::string product)
    : vendor_(std::move(vendor)), product_(std::move(product)),
      folder_(userDataFolder(vendor_, product_) + "Statistics/") {
    OrbFolder::createPath(folder_);
}

void GvStatistics::load(const std::string& packFileName) {
    records_.clear();
    packName_ = fileNamePart(packFileName);
    if (packName_.empty()) {
        return;
    }
    std::string bytes;
    OrbAtomicFile::ReadStatus status = OrbAtomicFile::read(folder_ + packName_ + ".stats", bytes);
    if (status == OrbAtomicFile::ReadStatus::Missing) {
        status = OrbAtomicFile::read(
            userDataFolder(vendor_, product_) + "High Scores/" + packName_ + ".stats", bytes);
    }
    if (status == OrbAtomicFile::ReadStatus::Missing) {
        return;
    }
    // A file that is there but cannot be read (no permission, a folder or a pipe in its
    // place, an I/O error) holds records all the same: saving would replace them with
    // the few gathered until the next load, so it is treated like a damaged one.
    bool ok = false;
    if (status == OrbAtomicFile::ReadStatus::Read) {
        OrbMemoryStream stream(bytes);
        ok = readRecords(stream, records_);
    }
    if (!ok) {
        records_.clear();
        packName_.clear();
    }
}

bool GvStatistics::readRecords(OrbStream& stream, Records& records) {
    records.clear();
    bool ok = false;
    try {
        ok = readFile(stream, records);
    } catch (const OrbException&) {
    } catch (const std::exception&) {
    }
    if (!ok) {
        records.clear();
    }
    return ok;
}

bool GvStatistics::readFile(OrbStream& stream, Records& records) {
    if (!readMagic(stream)) {
        return false;
    }
    const std::uint32_t version = readLittleEndian(stream, 2);
    if (version > 1) {
        return false;
    }
    const int count = readInt32(stream);
    if (count < 0) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        Key key{};
        stream.read(key.data(), static_cast<int>(key.size()));
        if (records.count(key) != 0) {
            return false;
        }
        GvCaveRecord record;
        if (version == 1) {
            record.completions = readInt32(stream);
            record.totalDiamonds = readInt32(stream);
            record.totalTimeLeft = readInt32(stream);
        }
        record.bestDiamonds = readInt32(stream);
        record.bestDiamondsTimeLeft = readInt32(stream);
        record.bestDiamondsRecording = GvInputRecordingIO::read(stream);
        record.bestTimeDiamonds = readInt32(stream);
        record.bestTimeLeft = readInt32(stream);
        record.bestTimeRecording = GvInputRecordingIO::read(stream);
        if (version == 0) {
            // The first layout kept only the two best runs: they stand for one
            // completion, or two when they are different runs.
            record.completions = 1;
            record.totalDiamonds = record.bestDiamonds;
            record.totalTimeLeft = record.bestDiamondsTimeLeft;
            if (record.bestDiamonds != record.bestTimeDiamonds ||
                record.bestDiamondsTimeLeft != record.bestTimeLeft) {
                record.completions = 2;
                record.totalDiamonds = addClamped(record.bestDiamonds, record.bestTimeDiamonds);
                record.totalTimeLeft = addClamped(record.bestDiamondsTimeLeft, record.bestTimeLeft);
            }
        }
        if (record.completions < 1 || record.bestDiamonds < 0 || record.bestDiamondsTimeLeft < 0) {
            return false;
        }
        records.emplace(key, std::move(record));
    }
    return readMagic(stream);
}

const GvCaveRecord* GvStatistics::find(const Key& key) const {
    const auto it = records_.find(key);
    return it == records_.end() ? nullptr : &it->second;
}

bool GvStatistics::record(int diamonds, int timeLeft, const Key& key,
                          const GvInputRecording& recording) {
    bool newBest = false;
    auto it = records_.find(key);
    if (it == records_.end()) {
        GvCaveRecord fresh;
        fresh.bestDiamonds = diamonds;
        fresh.bestDiamondsTimeLeft = timeLeft;
        fresh.bestDiamondsRecording = recording;
        fresh.bestTimeDiamonds = diamonds;
        fresh.bestTimeLeft = timeLeft;
        fresh.bestTimeRecording = recording;
        it = records_.emplace(key, std::move(fresh)).first;
        newBest = true;
    } else {
        GvCaveRecord& old = it->second;
        if (diamonds > old.bestDiamonds ||
            (diamonds == old.bestDiamonds && timeLeft > old.bestDiamondsTimeLeft) ||
            old.bestDiamondsRecording.empty()) {
            old.bestDiamonds = diamonds;
            old.bestDiamondsTimeLeft = timeLeft;
            old.bestDiamondsRecording = recording;
            newBest = true;
        }
        if (timeLeft > old.bestTimeLeft ||
            (timeLeft == old.bestTimeLeft && diamonds > old.bestTimeDiamonds) ||
            old.bestTimeRecording.empty()) {
            old.bestTimeDiamonds = diamonds;
            old.bestTimeLeft = timeLeft;
            old.bestTimeRecording = recording;
            newBest = true;
        }
    }
    GvCaveRecord& record = it->second;
    record.completions = addClamped(record.completions, 1);
    record.totalDiamonds = addClamped(record.totalDiamonds, diamonds);
    record.totalTimeLeft = addClamped(record.totalTimeLeft, timeLeft);
    save();
    return newBest;
}

bool GvStatistics::save() const {
    if (packName_.empty()) {
        return false;
    }
    // The file is built whole in memory and then replaces the old one in a single
    // step: a write that fails half-way must not cost the records already stored.
    OrbMemoryStream bytes;
    try {
        writeRecords(bytes, records_);
    } catch (const OrbException&) {
        return false;
    }
    OrbFolder::createPath(folder_);
    return OrbAtomicFile::write(folder_ + packName_ + ".stats", bytes.bytes().data(),
                                bytes.bytes().size());
}

void GvStatistics::writeRecords(OrbStream& bytes, const Records& records) {
    bytes.write(kMagic, 4);
    writeLittleEndian(bytes, kWrittenVersion, 2);
    writeInt32(bytes, static_cast<int>(records.size()));
    for (const auto& [key, record] : records) {
        bytes.write(key.data(), static_cast<int>(key.size()));
        writeInt32(bytes, record.completions);
        writeInt32(bytes, record.totalDiamonds);
        writeInt32(bytes, record.totalTimeLeft);
        writeInt32(bytes, record.bestDiamonds);
        writeInt32(bytes, record.bestDiamondsTimeLeft);
        GvInputRecordingIO::write(bytes, record.bestDiamondsRecording);
        writeInt32(bytes, record.bestTimeDiamonds);
        writeInt32(bytes, record.bestTimeLeft);
        GvInputRecordingIO::write(bytes, record.bestTimeRecording);
    }
    bytes.write(kMagic, 4);
}

void GvStatistics::clear() {
    records_.clear();
    packName_.clear();
}
