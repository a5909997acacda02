#include "platform/OrbAtomicFile.h"
#include "platform/OrbFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

// A fresh temporary folder per test, removed afterwards.
class OrbFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char templ[] = "/tmp/gravik-files-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        folder_ = std::string(templ) + "/";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string folder_;
};

TEST_F(OrbFileTest, WriteReplacesWholeFileAndReadTellsMissingFromFailed) {
    const std::string path = folder_ + "data.bin";
    std::string bytes;
    EXPECT_EQ(OrbAtomicFile::read(path, bytes), OrbAtomicFile::ReadStatus::Missing);

    const std::string first("abc\0def", 7);
    ASSERT_TRUE(OrbAtomicFile::write(path, first.data(), first.size()));
    EXPECT_EQ(OrbAtomicFile::read(path, bytes), OrbAtomicFile::ReadStatus::Read);
    EXPECT_EQ(bytes, first);

    ASSERT_TRUE(OrbAtomicFile::write(path, "x", 1));
    EXPECT_EQ(OrbAtomicFile::read(path, bytes), OrbAtomicFile::ReadStatus::Read);
    EXPECT_EQ(bytes, "x");
    ASSERT_TRUE(OrbAtomicFile::write(path, "", 0));
    EXPECT_EQ(OrbAtomicFile::read(path, bytes), OrbAtomicFile::ReadStatus::Read);
    EXPECT_EQ(bytes, "");

    EXPECT_EQ(OrbAtomicFile::read(folder_, bytes), OrbAtomicFile::ReadStatus::Failed);
    ASSERT_EQ(mkfifo((folder_ + "pipe").c_str(), 0600), 0);
    EXPECT_EQ(OrbAtomicFile::read(folder_ + "pipe", bytes), OrbAtomicFile::ReadStatus::Failed);
    std::filesystem::remove(folder_ + "pipe");
    EXPECT_EQ(OrbAtomicFile::read(path + "/below", bytes), OrbAtomicFile::ReadStatus::Missing);
    EXPECT_FALSE(OrbAtomicFile::write(folder_ + "none/data.bin", "x", 1));
    EXPECT_FALSE(OrbAtomicFile::write(folder_, "x", 1));

    // Only the target remains: no temporary files are left behind.
    EXPECT_EQ(OrbFolder::list(folder_), std::vector<std::string>{"data.bin"});
}

TEST_F(OrbFileTest, WriteFailingHalfWayKeepsThePreviousFile) {
    const std::string path = folder_ + "records";
    const std::string previous(300, 'p');
    ASSERT_TRUE(OrbAtomicFile::write(path, previous.data(), previous.size()));

    // Limit the size of any file this process writes, so that the write stops with
    // EFBIG after the first kilobyte, as a full disk would stop it.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string big(64 * 1024, 'n');
    const bool written = OrbAtomicFile::write(path, big.data(), big.size());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    std::string bytes;
    EXPECT_EQ(OrbAtomicFile::read(path, bytes), OrbAtomicFile::ReadStatus::Read);
    EXPECT_EQ(bytes, previous);
    EXPECT_EQ(OrbFolder::list(folder_), std::vector<std::string>{"records"});
}

TEST_F(OrbFileTest, FolderCreationListingAndInfo) {
    EXPECT_TRUE(OrbFolder::createPath(folder_ + "a/b/c/"));
    EXPECT_TRUE(OrbFolder::createPath(folder_ + "a/b/c/"));
    ASSERT_TRUE(OrbAtomicFile::write(folder_ + "a/file", "12345", 5));

    // A prefix that is a file stops the creation.
    EXPECT_FALSE(OrbFolder::createPath(folder_ + "a/file/d/"));
    EXPECT_FALSE(OrbFolder::info(folder_ + "a/file/d"));

    std::vector<std::string> names = OrbFolder::list(folder_ + "a/");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"b", "file"}));
    EXPECT_TRUE(OrbFolder::list(folder_ + "missing/").empty());

    const auto file = OrbFolder::info(folder_ + "a/file");
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->isFolder);
    EXPECT_TRUE(file->isRegularFile);
    EXPECT_EQ(file->size, 5);
    const auto sub = OrbFolder::info(folder_ + "a/b");
    ASSERT_TRUE(sub);
    EXPECT_TRUE(sub->isFolder);
    EXPECT_FALSE(sub->isRegularFile);
    ASSERT_EQ(mkfifo((folder_ + "pipe").c_str(), 0600), 0);
    const auto pipe = OrbFolder::info(folder_ + "pipe");
    ASSERT_TRUE(pipe);
    EXPECT_FALSE(pipe->isFolder);
    EXPECT_FALSE(pipe->isRegularFile);
    EXPECT_FALSE(OrbFolder::info(folder_ + "a/nothing"));
    EXPECT_FALSE(OrbFolder::info(""));

    // A rewrite with a new time is seen as a change.
    struct timespec times[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (folder_ + "a/file").c_str(), times, 0), 0);
    const auto touched = OrbFolder::info(folder_ + "a/file");
    ASSERT_TRUE(touched);
    EXPECT_EQ(touched->modified, 1000LL * 1000000000LL);
}
