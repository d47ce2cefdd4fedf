// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>

#include "support/temp_dir.h"
#include "support/test_files.h"

namespace tessarine {
namespace {

namespace fs = std::filesystem;

ino_t ReadInode(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

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

// Runs `write` in a child process as an ordinary user (nobody, when the
// tests run as root, since root may write anything) and returns what it
// threw, "" when it wrote, or why it could not run.
std::string AsOrdinaryUser(const std::function<void()>& write) {
    int pipe[2];
    if (::pipe(pipe) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        std::signal(SIGPIPE, SIG_IGN);  // as the PDF tool sets it
        std::string outcome;
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            outcome = "cannot become nobody";
        } else {
            try {
                write();
            } catch (const OutputFileError& error) {
                outcome = error.what();
            }
        }
        const bool sent = outcome.empty() || ::write(pipe[1], outcome.data(), outcome.size()) > 0;
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipe[1]);
    std::string outcome;
    char chunk[256];
    for (ssize_t n; (n = ::read(pipe[0], chunk, sizeof chunk)) > 0;) outcome.append(chunk, n);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? outcome : "the child failed";
}

// The user's rights decide, as for the shell and cp: a read-only file is
// kept; a writable file in a folder the user may not change is written in
// place; a name near the longest allowed still gets its temporary twin; a
// reader that leaves early is named.
TEST_F(OutputFileTest, FollowsTheUsersRightsAndNamesEveryFailure) {
    fs::permissions(dir_, fs::perms::all);
    const fs::path open = dir_ / "open";
    const fs::path closed = dir_ / "closed";
    fs::create_directory(open);
    fs::create_directory(closed);
    fs::permissions(open, fs::perms::all);
    Plant(open / "ro.pdf", "kept");
    fs::permissions(open / "ro.pdf",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Plant(closed / "rw.pdf", "old");
    fs::permissions(closed / "rw.pdf", fs::perms::all & ~fs::perms::owner_exec &
                                           ~fs::perms::group_exec & ~fs::perms::others_exec);
    fs::permissions(closed, fs::perms::all & ~fs::perms::owner_write & ~fs::perms::group_write &
                                ~fs::perms::others_write);
    const fs::path fifo = open / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::permissions(fifo, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                              ~fs::perms::others_exec);
    const std::string longName = std::string(250, 'n') + ".pdf";
    const std::string big(1 << 20, 'x');  // more than the pipe holds

    const struct {
        fs::path path;
        std::string content;
        std::string failure;  // part of the message, "" for written
        std::string after;    // the file's bytes afterwards
    } cases[] = {
        {open / "ro.pdf", "new", "Permission denied", "kept"},
        {closed / "rw.pdf", "new", "", "new"},
        {open / longName, "long", "", "long"},
        {fifo, big, "the reader closed the output", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.filename().string());
        const ino_t inode = ReadInode(c.path);
        std::future<void> leaver;
        if (fs::is_fifo(c.path)) {
            leaver =
                std::async(std::launch::async, [&] { ::close(::open(fifo.c_str(), O_RDONLY)); });
        }
        const std::string outcome =
            AsOrdinaryUser([&] { WriteOutputFile(c.path.string(), c.content); });
        // Frees the reader should the writer never have opened the pipe.
        while (leaver.valid() &&
               leaver.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
            ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        }
        if (c.failure.empty()) {
            EXPECT_EQ(outcome, "");
        } else {
            EXPECT_NE(outcome.find(c.failure), std::string::npos) << outcome;
        }
        if (!c.after.empty()) {
            EXPECT_EQ(ReadBytes(c.path), c.after);
        }
        if (inode != 0) {
            EXPECT_EQ(ReadInode(c.path), inode) << "replaced, not written in place";
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(closed), fs::directory_iterator()), 1);
    fs::permissions(closed, fs::perms::all);
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
