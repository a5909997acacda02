#include "game/GvStatistics.h"

#include "ScopedEnv.h"
#include "platform/OrbMemoryStream.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Builds statistics files by hand, field by field.
class FileBuilder {
public:
    FileBuilder& raw(const Bytes& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    FileBuilder& magic() { return raw({'G', 'v', 'H', 'S'}); }
    FileBuilder& u16(int value) { return raw({std::uint8_t(value), std::uint8_t(value >> 8)}); }
    FileBuilder& i32(int value) {
        const auto v = static_cast<std::uint32_t>(value);
        return raw(
            {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
    }
    FileBuilder& key(const GvStatistics::Key& key) { return raw(Bytes(key.begin(), key.end())); }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

static GvStatistics::Key keyOf(std::uint8_t first, std::uint8_t fill = 0) {
    GvStatistics::Key key{};
    key.fill(fill);
    key[0] = first;
    return key;
}

// A temporary HOME and XDG_DATA_HOME per test; statistics use vendor "Vendor".
class GvStatisticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char templ[] = "/tmp/gravik-stats-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        root_ = templ;
        home_.emplace("HOME", root_ + "/home");
        data_.emplace("XDG_DATA_HOME", root_ + "/data");
        dataFolder_ = root_ + "/data/Vendor/Gravik/";
    }
    void TearDown() override {
        data_.reset();
        home_.reset();
        std::filesystem::remove_all(root_);
    }

    static void writeBytes(const std::string& path, const Bytes& bytes) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    static Bytes readBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string statsPath(const std::string& pack) const {
        return dataFolder_ + "Statistics/" + pack + ".stats";
    }

    std::string root_;
    std::string dataFolder_;

private:
    std::optional<ScopedEnv> home_;
    std::optional<ScopedEnv> data_;
};

TEST_F(GvStatisticsTest, FirstCompletionWritesTheExactLayout) {
    GvStatistics stats("Vendor", "Gravik");
    EXPECT_EQ(stats.folder(), dataFolder_ + "Statistics/");
    EXPECT_TRUE(std::filesystem::is_directory(stats.folder()));

    stats.load("/games/packs/Standard");
    EXPECT_EQ(stats.packName(), "Standard");
    EXPECT_TRUE(stats.records().empty());
    GvStatistics::Key key{};
    for (int i = 0; i < 16; ++i) {
        key[i] = std::uint8_t(0xF0 + i);
    }
    // 600 ticks without input are stored in pieces of at most 255.
    EXPECT_TRUE(stats.record(12, 340, key, {{0, 600}}));

    Bytes expected = {'G', 'v', 'H', 'S', 1, 0, 1, 0, 0, 0};
    for (int i = 0; i < 16; ++i) {
        expected.push_back(std::uint8_t(0xF0 + i));
    }
    const Bytes counters = {1, 0, 0, 0, 12, 0, 0, 0, 0x54, 1, 0, 0, 12, 0, 0, 0, 0x54, 1, 0, 0};
    const Bytes recording = {1, 255, 1, 255, 1, 90, 0};
    expected.insert(expected.end(), counters.begin(), counters.end());
    expected.insert(expected.end(), recording.begin(), recording.end());
    const Bytes timeBest = {12, 0, 0, 0, 0x54, 1, 0, 0};
    expected.insert(expected.end(), timeBest.begin(), timeBest.end());
    expected.insert(expected.end(), recording.begin(), recording.end());
    expected.insert(expected.end(), {'G', 'v', 'H', 'S'});
    EXPECT_EQ(readBytes(statsPath("Standard")), expected);

    const GvCaveRecord* record = stats.find(key);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->completions, 1);
    EXPECT_EQ(record->totalDiamonds, 12);
    EXPECT_EQ(record->totalTimeLeft, 340);
    EXPECT_EQ(stats.find(keyOf(1)), nullptr);

    // Only the file itself is in the folder: nothing temporary is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(stats.folder())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(GvStatisticsTest, RecordsKeepTheBestRunsAndCountEveryCompletion) {
    GvStatistics stats("Vendor", "Gravik");
    stats.load("caves.grv");
    const GvStatistics::Key key = keyOf(7);
    const GvInputRecording first = {{8, 30}, {0, 5}};
    const GvInputRecording second = {{4, 12}};
    const GvInputRecording third = {{17, 3}};
    ASSERT_TRUE(stats.record(10, 300, key, first));

    // The same result again is no new best and keeps the first run's input.
    EXPECT_FALSE(stats.record(10, 300, key, second));
    const GvCaveRecord* record = stats.find(key);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->bestDiamondsRecording, first);
    EXPECT_EQ(record->bestTimeRecording, first);
    EXPECT_EQ(record->completions, 2);
    EXPECT_EQ(record->totalDiamonds, 20);
    EXPECT_EQ(record->totalTimeLeft, 600);

    // More time with fewer diamonds only replaces the best by time.
    EXPECT_TRUE(stats.record(8, 500, key, second));
    EXPECT_EQ(record->bestDiamonds, 10);
    EXPECT_EQ(record->bestDiamondsRecording, first);
    EXPECT_EQ(record->bestTimeDiamonds, 8);
    EXPECT_EQ(record->bestTimeLeft, 500);
    EXPECT_EQ(record->bestTimeRecording, second);

    // Equal diamonds with more time replaces the best by diamonds; equal time with
    // more diamonds replaces the best by time.
    EXPECT_TRUE(stats.record(10, 400, key, third));
    EXPECT_EQ(record->bestDiamondsTimeLeft, 400);
    EXPECT_EQ(record->bestDiamondsRecording, third);
    EXPECT_TRUE(stats.record(9, 500, key, first));
    EXPECT_EQ(record->bestTimeDiamonds, 9);
    EXPECT_EQ(record->bestTimeRecording, first);
    EXPECT_EQ(record->completions, 5);
    EXPECT_EQ(record->totalDiamonds, 47);
    EXPECT_EQ(record->totalTimeLeft, 2000);

    // Everything survives a reload, keys in unsigned byte order.
    stats.record(1, 1, keyOf(0x80), {});
    stats.record(1, 1, keyOf(0x7F), {{2, 1}});
    const GvStatistics::Records before = stats.records();
    GvStatistics again("Vendor", "Gravik");
    again.load("/other/folder/caves.grv");
    EXPECT_EQ(again.packName(), "caves.grv");
    EXPECT_EQ(again.records(), before);
    std::vector<int> order;
    for (const auto& entry : again.records()) {
        order.push_back(entry.first[0]);
    }
    EXPECT_EQ(order, (std::vector<int>{0x07, 0x7F, 0x80}));

    // A best run without input cannot be replayed: the next completion replaces it even
    // when it is worse.
    EXPECT_TRUE(again.record(0, 0, keyOf(0x80), {{1, 4}}));
    EXPECT_EQ(again.find(keyOf(0x80))->bestDiamondsRecording, (GvInputRecording{{1, 4}}));
    EXPECT_EQ(again.find(keyOf(0x80))->bestDiamonds, 0);
    EXPECT_EQ(again.find(keyOf(0x80))->bestTimeLeft, 0);
    EXPECT_EQ(again.find(keyOf(0x80))->completions, 2);

    again.clear();
    EXPECT_TRUE(again.records().empty());
    EXPECT_EQ(again.packName(), "");
    EXPECT_FALSE(again.save());
}

TEST_F(GvStatisticsTest, VersionZeroDerivesTheCounters) {
    FileBuilder file;
    file.magic().u16(0).i32(2);
    file.key(keyOf(1)).i32(10).i32(300).raw({2, 5, 0}).i32(8).i32(500).raw({4, 6, 0});
    file.key(keyOf(2)).i32(4).i32(90).raw({0}).i32(4).i32(90).raw({0});
    file.magic();
    writeBytes(statsPath("old.grv"), file.bytes());

    GvStatistics stats("Vendor", "Gravik");
    stats.load("old.grv");
    ASSERT_EQ(stats.records().size(), 2u);
    const GvCaveRecord* two = stats.find(keyOf(1));
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->completions, 2);
    EXPECT_EQ(two->totalDiamonds, 18);
    EXPECT_EQ(two->totalTimeLeft, 800);
    EXPECT_EQ(two->bestDiamondsRecording, (GvInputRecording{{1, 5}}));
    EXPECT_EQ(two->bestTimeRecording, (GvInputRecording{{2, 6}}));
    const GvCaveRecord* one = stats.find(keyOf(2));
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->completions, 1);
    EXPECT_EQ(one->totalDiamonds, 4);
    EXPECT_EQ(one->totalTimeLeft, 90);
    EXPECT_TRUE(one->bestDiamondsRecording.empty());

    // The next save upgrades the file to the current version.
    ASSERT_TRUE(stats.save());
    EXPECT_EQ(readBytes(statsPath("old.grv"))[4], 1);
    GvStatistics again("Vendor", "Gravik");
    again.load("old.grv");
    EXPECT_EQ(again.records(), stats.records());
}

// A valid version 1 file of one entry, with the field that a case damages replaced.
struct Damage {
    const char* what;
    Bytes bytes;
};

static Bytes versionOneFile(int version, int count, int completions, int bestDiamonds, int bestTime,
                            const Bytes& recording, bool secondEntry, const Bytes& endMagic) {
    FileBuilder file;
    file.magic().u16(version).i32(count);
    file.key(keyOf(5)).i32(completions).i32(20).i32(400).i32(bestDiamonds).i32(bestTime);
    file.raw(recording).i32(5).i32(200).raw({1, 3, 0});
    if (secondEntry) {
        file.key(keyOf(5)).i32(1).i32(1).i32(1).i32(1).i32(1).raw({0}).i32(1).i32(1).raw({0});
    }
    file.raw(endMagic);
    return file.bytes();
}

TEST_F(GvStatisticsTest, DamagedFilesGiveNoRecordsAndAreNeverOverwritten) {
    const Bytes magic = {'G', 'v', 'H', 'S'};
    const Bytes good = versionOneFile(1, 1, 2, 20, 400, {2, 1, 0}, false, magic);
    std::vector<Damage> cases = {
        {"first magic", good},
        {"version 2", versionOneFile(2, 1, 2, 20, 400, {2, 1, 0}, false, magic)},
        {"repeated key", versionOneFile(1, 2, 2, 20, 400, {2, 1, 0}, true, magic)},
        {"no completions", versionOneFile(1, 1, 0, 20, 400, {2, 1, 0}, false, magic)},
        {"negative diamonds", versionOneFile(1, 1, 2, -1, 400, {2, 1, 0}, false, magic)},
        {"negative time", versionOneFile(1, 1, 2, 20, -1, {2, 1, 0}, false, magic)},
        {"recording code 10", versionOneFile(1, 1, 2, 20, 400, {10, 1, 0}, false, magic)},
        {"negative count", versionOneFile(1, -1, 2, 20, 400, {2, 1, 0}, false, magic)},
        {"count too large", versionOneFile(1, 2, 2, 20, 400, {2, 1, 0}, false, magic)},
        {"last magic", versionOneFile(1, 1, 2, 20, 400, {2, 1, 0}, false, {'G', 'v', 'H', 's'})},
    };
    cases[0].bytes[0] = 'g';
    // Every truncation of a good file is a short read.
    for (std::size_t size = 0; size < good.size(); ++size) {
        cases.push_back({"truncated", Bytes(good.begin(), good.begin() + long(size))});
    }

    {
        writeBytes(statsPath("pack.bd"), good);
        GvStatistics stats("Vendor", "Gravik");
        stats.load("pack.bd");
        ASSERT_NE(stats.find(keyOf(5)), nullptr) << "the undamaged file must load";
        EXPECT_EQ(stats.find(keyOf(5))->completions, 2);
    }
    for (const Damage& damage : cases) {
        SCOPED_TRACE(damage.what + (" at size " + std::to_string(damage.bytes.size())));
        // The reader itself keeps nothing of damaged data (found by fuzzing: records
        // read before the damage stayed behind).
        OrbMemoryStream bytes(std::string(damage.bytes.begin(), damage.bytes.end()));
        GvStatistics::Records partial = {{keyOf(1), GvCaveRecord{}}};
        EXPECT_FALSE(GvStatistics::readRecords(bytes, partial));
        EXPECT_TRUE(partial.empty());

        writeBytes(statsPath("pack.bd"), damage.bytes);
        GvStatistics stats("Vendor", "Gravik");
        stats.load("pack.bd");
        EXPECT_TRUE(stats.records().empty());
        EXPECT_EQ(stats.packName(), "");
        // Completions until the next load stay in memory; the file is left alone.
        stats.record(3, 30, keyOf(9), {{0, 1}});
        EXPECT_NE(stats.find(keyOf(9)), nullptr);
        EXPECT_EQ(readBytes(statsPath("pack.bd")), damage.bytes);
    }
}

TEST_F(GvStatisticsTest, LegacyFolderIsReadButNeverWritten) {
    const Bytes legacy = versionOneFile(1, 1, 2, 20, 400, {2, 1, 0}, false, {'G', 'v', 'H', 'S'});
    writeBytes(dataFolder_ + "High Scores/mine.grv.stats", legacy);

    GvStatistics stats("Vendor", "Gravik");
    stats.load("mine.grv");
    ASSERT_NE(stats.find(keyOf(5)), nullptr);
    EXPECT_FALSE(std::filesystem::exists(statsPath("mine.grv")));
    stats.record(1, 2, keyOf(6), {});
    EXPECT_EQ(readBytes(dataFolder_ + "High Scores/mine.grv.stats"), legacy);

    // From now on the file in the statistics folder wins.
    GvStatistics again("Vendor", "Gravik");
    again.load("mine.grv");
    EXPECT_EQ(again.records().size(), 2u);
    EXPECT_EQ(again.records(), stats.records());

    // A pack without any file starts empty and is saved normally.
    again.load("fresh.grv");
    EXPECT_TRUE(again.records().empty());
    EXPECT_EQ(again.packName(), "fresh.grv");
    again.record(1, 2, keyOf(6), {});
    EXPECT_TRUE(std::filesystem::exists(statsPath("fresh.grv")));
}

// Whatever stands where the file should be and cannot be read holds the player's
// records all the same: the pack gets no records, and a completion saves nothing.
TEST_F(GvStatisticsTest, UnreadableFilesAreLeftAsTheyWere) {
    const Bytes good = versionOneFile(1, 1, 2, 20, 400, {2, 1, 0}, false, {'G', 'v', 'H', 'S'});
    const std::string statistics = dataFolder_ + "Statistics/";
    const std::string legacy = dataFolder_ + "High Scores/";
    std::filesystem::create_directories(statistics);
    std::filesystem::create_directories(legacy);
    const auto folderAt = [](const std::string& path) {
        std::filesystem::create_directories(path);
        writeBytes(path + "/inside", {1, 2, 3});
    };
    const struct {
        const char* what;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"a folder in the file's place", folderAt},
        // Reading the process's own memory at address 0 fails with an I/O error.
        {"a read error",
         [](const std::string& path) { std::filesystem::create_symlink("/proc/self/mem", path); }},
        {"a pipe", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
    };
    for (const auto& c : cases) {
        for (const std::string& where : {statistics, legacy}) {
            SCOPED_TRACE(std::string(c.what) + " in " + where);
            std::filesystem::remove_all(statistics + "p.grv.stats");
            std::filesystem::remove_all(legacy + "p.grv.stats");
            c.make(where + "p.grv.stats");
            const auto before = std::filesystem::symlink_status(where + "p.grv.stats").type();

            GvStatistics stats("Vendor", "Gravik");
            stats.load("p.grv");
            EXPECT_TRUE(stats.records().empty());
            EXPECT_EQ(stats.packName(), "");
            stats.record(3, 30, keyOf(9), {{0, 1}});
            EXPECT_NE(stats.find(keyOf(9)), nullptr) << "the game plays on with records in memory";
            EXPECT_FALSE(stats.save());

            EXPECT_EQ(std::filesystem::symlink_status(where + "p.grv.stats").type(), before);
            if (std::filesystem::is_directory(where + "p.grv.stats")) {
                EXPECT_EQ(readBytes(where + "p.grv.stats/inside"), Bytes({1, 2, 3}));
            }
            if (where == legacy) {
                EXPECT_FALSE(std::filesystem::exists(statistics + "p.grv.stats"))
                    << "a new file would hide the legacy records for good";
            }
            // A readable file again is read again.
            std::filesystem::remove_all(where + "p.grv.stats");
            writeBytes(where + "p.grv.stats", good);
            stats.load("p.grv");
            EXPECT_EQ(stats.packName(), "p.grv");
            EXPECT_NE(stats.find(keyOf(5)), nullptr);
        }
    }
}

TEST_F(GvStatisticsTest, WriteFailingHalfWayKeepsThePreviousFile) {
    GvStatistics stats("Vendor", "Gravik");
    stats.load("big.grv");
    stats.record(5, 50, keyOf(1), {{8, 10}});
    const Bytes previous = readBytes(statsPath("big.grv"));
    ASSERT_FALSE(previous.empty());

    // A recording that alternates its input on every tick needs two bytes per tick;
    // with the file size limited to 1 KiB the write stops part of the way through,
    // as on a full disk.
    GvInputRecording longRun;
    for (int i = 0; i < 4000; ++i) {
        longRun.push_back({i % 2 == 0 ? 4 : 8, 1});
    }
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool newBest = stats.record(9, 90, keyOf(2), longRun);
    const bool saved2 = stats.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(newBest);
    EXPECT_FALSE(saved2);
    EXPECT_EQ(readBytes(statsPath("big.grv")), previous);
    ASSERT_NE(stats.find(keyOf(2)), nullptr);

    // The map in memory is intact and is written whole at the next chance.
    ASSERT_TRUE(stats.save());
    GvStatistics again("Vendor", "Gravik");
    again.load("big.grv");
    EXPECT_EQ(again.records(), stats.records());
    EXPECT_EQ(again.find(keyOf(2))->bestDiamondsRecording.size(), 4000u);
}

TEST_F(GvStatisticsTest, UnusableDataFolderIsSilent) {
    std::filesystem::create_directories(root_);
    std::ofstream(root_ + "/data") << "a file where the data folder should be";
    GvStatistics stats("Vendor", "Gravik");
    stats.load("pack.grv");
    EXPECT_EQ(stats.packName(), "pack.grv");
    EXPECT_TRUE(stats.record(1, 1, keyOf(1), {}));
    EXPECT_FALSE(stats.save());
    EXPECT_NE(stats.find(keyOf(1)), nullptr);
}
