#include "settings/LogFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "support/TempConfigHome.h"

namespace {

namespace fs = std::filesystem;

class LogFileTest : public ::testing::Test {
protected:
    LogFileTest() { fs::create_directories(folder_); }
    ~LogFileTest() override { fs::remove_all(folder_); }

    const fs::path folder_ =
        fs::temp_directory_path() / ("quorvane-log-" + std::to_string(getpid()));
    const std::string path_ = (folder_ / "quorvane.log").string();
    LogFile log_;
};

TEST_F(LogFileTest, EachOpenStartsAfreshAndEveryLineEndsInCrLfAtOnce) {
    EXPECT_FALSE(log_.Open((folder_ / "missing" / "quorvane.log").string()));
    log_.Log("dropped");
    EXPECT_TRUE(fs::is_empty(folder_));

    std::ofstream(path_) << "left over from the last run\n";
    ASSERT_TRUE(log_.Open(path_));
    log_.Log("first run");
    ASSERT_TRUE(log_.Open(path_));
    log_.Log("Starting Quorvane");
    EXPECT_EQ(FileText(path_), "Starting Quorvane\r\n");  // flushed without closing
    log_.Log("");
    log_.Log("  s;S\t64 ");
    log_.Close();
    log_.Close();
    log_.Log("after close");
    EXPECT_EQ(FileText(path_), "Starting Quorvane\r\n\r\n  s;S\t64 \r\n");
}

// In a shared working folder someone else may have put the name there first.
TEST_F(LogFileTest, RefusesALinkAndAnotherUsersFileAndLeavesThemAlone) {
    const std::string target = (folder_ / "target").string();
    for (const bool link : {true, false}) {
        if (!link && ::geteuid() != 0) continue;  // only root can give a file away
        SCOPED_TRACE(link ? "symbolic link" : "another user's file");
        fs::remove(path_);
        std::ofstream(link ? target : path_) << "keep";
        if (link)
            fs::create_symlink(target, path_);
        else
            ASSERT_EQ(::chown(path_.c_str(), 12345, 12345), 0);
        EXPECT_FALSE(log_.Open(path_));
        log_.Log("planted");
        EXPECT_EQ(FileText(link ? target : path_), "keep");
    }
}

TEST_F(LogFileTest, LinesFromTwoThreadsNeverMix) {
    ASSERT_TRUE(log_.Open(path_));
    const std::string serial(20000, 's'), gui(20000, 'g');
    auto writer = [this](const std::string& line) {
        for (int i = 0; i < 100; ++i) log_.Log(line);
    };
    std::thread a(writer, serial), b(writer, gui);
    a.join();
    b.join();
    log_.Close();
    std::istringstream in(FileText(path_));
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines)
        ASSERT_TRUE(line == serial + "\r" || line == gui + "\r") << line.substr(0, 40);
    EXPECT_EQ(lines, 200);
}

}  // namespace
