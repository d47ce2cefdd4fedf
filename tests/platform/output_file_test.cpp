#include "platform/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>

#include "support/temp_dir.h"
#include "support/test_files.h"

namespace tessarine {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
  protected:
    void Plant(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    TempDir temp_{"tessarine-out"};
    const fs::path dir_ = temp_.path();
};

TEST_F(OutputFileTest, RegularFilesAreReplacedWholeAndLinksWrittenThrough) {
    const fs::path fresh = dir_ / "fresh.pdf";
    WriteOutputFile(fresh.string(), "new");
    EXPECT_EQ(ReadBytes(fresh), "new");

    const fs::path target = dir_ / "target.pdf";
    Plant(target, "old content");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, dir_ / "link.pdf");
    WriteOutputFile((dir_ / "link.pdf").string(), "replaced");
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.pdf"));
    EXPECT_EQ(ReadBytes(target), "replaced");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
}

TEST_F(OutputFileTest, AFifoIsWrittenToAndStaysAFifo) {
    const fs::path fifo = dir_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto reader = std::async(std::launch::async, [&] { return ReadBytes(fifo); });
    WriteOutputFile(fifo.string(), "through the pipe");
    EXPECT_EQ(reader.get(), "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(OutputFileTest, ADeviceNodeIsWrittenToAndNeverReplaced) {
    const fs::path null = dir_ / "null";
    if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    WriteOutputFile(null.string(), std::string(13000, 'x'));
    EXPECT_TRUE(fs::is_character_file(null));
}

TEST_F(OutputFileTest, WhatCannotHoldAFileIsRefusedAndLeftAlone) {
    fs::create_directory(dir_ / "folder");
    fs::create_symlink(dir_ / "missing", dir_ / "dangling");
    for (const char* name : {"folder", "dangling", "no/such/dir.pdf"}) {
        SCOPED_TRACE(name);
        const std::string path = (dir_ / name).string();
        try {
            WriteOutputFile(path, "x");
            ADD_FAILURE() << "written";
        } catch (const OutputFileError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
    EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

}  // namespace
}  // namespace tessarine
