#include "platform/linux/LinuxProfileFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/TempConfigHome.h"

namespace {

namespace fs = std::filesystem;

class LinuxProfileFileTest : public ::testing::Test {
protected:
    TempConfigHome home_;
    LinuxProfileFile file_;  // built after home_, so it takes the temporary settings path
};

TEST_F(LinuxProfileFileTest, LooksUpLikeWindowsAndFailsWhereItCannotWrite) {
    home_.WriteSettings(
        "Orphan=1\r\n; Port=0\r\n[com parms]\r\n PORT =  7  \r\nPort=9\r\n[ Misc ]\r\n"
        "Gain = \"5,5\"\r\nFlag\r\nEmpty=\r\n[COM PARMS]\r\nOther=4\r\n");
    EXPECT_EQ(file_.Read("COM PARMS", "Port"), "7");            // first section, first key, trimmed
    EXPECT_EQ(file_.Read("COM PARMS", "Other"), std::nullopt);  // later duplicates unread
    EXPECT_EQ(file_.Read("misc", "GAIN"), "5,5");               // one pair of quotes dropped
    EXPECT_EQ(file_.Read("MISC", "Rain"), std::nullopt);        // every letter of a name counts
    EXPECT_EQ(file_.Read("MISC", "Flag"), std::nullopt);        // no '=': not a key
    EXPECT_EQ(file_.Read("MISC", "Empty"), "");
    EXPECT_EQ(file_.Read("", "Orphan"), std::nullopt);

    // A read-only file (even for root), a folder where the file should be and a file where
    // its folder should be all fail and are left alone.
    fs::permissions(home_.SettingsPath(), fs::perms::owner_read);
    EXPECT_FALSE(file_.Write("COM PARMS", "Port", "5"));
    EXPECT_EQ(file_.Read("COM PARMS", "Port"), "7");
    fs::remove(home_.SettingsPath());
    fs::create_directories(home_.SettingsPath());
    EXPECT_EQ(file_.Read("COM PARMS", "Port"), std::nullopt);
    EXPECT_FALSE(file_.Write("COM PARMS", "Port", "1"));
    TempConfigHome other;
    std::ofstream(other.ConfigDir()) << "not a folder";
    EXPECT_FALSE(LinuxProfileFile().Write("COM PARMS", "Port", "5"));
}

TEST_F(LinuxProfileFileTest, EditsKeepEverythingElse) {
    // LF file with a comment, unknown keys and sections, a duplicate section, a key spelled
    // differently, and no line break at the end.
    home_.WriteSettings(
        "; by hand\n[COM PARMS]\nport = 3\n; left port\nUnknown=kept\n\n"
        "[MISC]\nGain=5\n[misc]\nGain=1");
    ASSERT_TRUE(file_.Write("com parms", "PORT", "5"));
    ASSERT_TRUE(file_.Write("COM PARMS", "Extra", "x"));
    ASSERT_TRUE(file_.Write("MISC", "ALC", "1"));
    ASSERT_TRUE(file_.Write("POWER LIMITS", "QRP jumpered", "0"));
    EXPECT_EQ(home_.ReadSettings(),
              "; by hand\n[COM PARMS]\nport = 5\n; left port\nUnknown=kept\nExtra=x\n\n"
              "[MISC]\nGain=5\nALC=1\n[misc]\nGain=1\n\n[POWER LIMITS]\nQRP jumpered=0\n");

    home_.WriteSettings("\xEF\xBB\xBF[MISC]\r\nGain=5\nMode=0\r\n");
    EXPECT_EQ(file_.Read("MISC", "Gain"), "5");
    ASSERT_TRUE(file_.Write("MISC", "Mode", "1"));
    ASSERT_TRUE(file_.Write("MISC", "ALC", "0"));
    EXPECT_EQ(home_.ReadSettings(), "\xEF\xBB\xBF[MISC]\r\nGain=5\nMode=1\r\nALC=0\r\n");

    EXPECT_FALSE(file_.Write("A]B", "Key", "1"));  // would not read back
    EXPECT_FALSE(file_.Write("MISC", "A=B", "1"));
    EXPECT_FALSE(file_.Write("MISC", "Key", "one\r\n[EVIL]"));

    // A first write creates the folder and a CR LF file.
    fs::remove_all(home_.ConfigDir());
    ASSERT_TRUE(file_.Write("COM PARMS", "Port", "1"));
    ASSERT_TRUE(file_.Write("SCREEN PARMS", "Left", "402"));
    ASSERT_TRUE(file_.Write("COM PARMS", "Baud", "19200"));
    EXPECT_EQ(home_.ReadSettings(),
              "[COM PARMS]\r\nPort=1\r\nBaud=19200\r\n\r\n[SCREEN PARMS]\r\nLeft=402\r\n");
    // Only the settings file: no temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(home_.ConfigDir()), {}), 1);
}

TEST_F(LinuxProfileFileTest, KeepsPermissionsAndWritesThroughSymlinks) {
    home_.WriteSettings("[MISC]\nGain=5\n");
    const std::string real = home_.ConfigDir() + "/real.ini";
    fs::rename(home_.SettingsPath(), real);
    fs::create_symlink("real.ini", home_.SettingsPath());
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, mode);
    ASSERT_TRUE(file_.Write("MISC", "Gain", "2.5"));
    EXPECT_TRUE(fs::is_symlink(home_.SettingsPath()));
    EXPECT_EQ(home_.ReadSettings(), "[MISC]\nGain=2.5\n");
    EXPECT_EQ(fs::status(real).permissions(), mode);
}

TEST_F(LinuxProfileFileTest, ABatchReadsTheFileOnceAndReplacesItOnce) {
    home_.WriteSettings("[MISC]\nGain=5\nALC=0\n");
    // Temporary files left by saves killed half-way: only a dead process's go.
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    waitpid(dead, nullptr, 0);
    const std::string stale =
        home_.ConfigDir() + "/.quorvane.ini." + std::to_string(dead) + ".0.tmp";
    const std::string live =
        home_.ConfigDir() + "/.quorvane.ini." + std::to_string(getpid()) + ".9.tmp";
    std::ofstream(stale) << "half";
    std::ofstream(live) << "in progress";

    file_.BeginBatch();
    EXPECT_EQ(file_.Read("MISC", "Gain"), "5");
    home_.WriteSettings("[MISC]\nGain=7\n");  // an edit the batch no longer sees
    EXPECT_EQ(file_.Read("MISC", "ALC"), "0");
    ASSERT_TRUE(file_.Write("MISC", "Gain", "1"));
    ASSERT_TRUE(file_.Write("MISC", "Mode", "1"));
    EXPECT_EQ(file_.Read("MISC", "Mode"), "1");
    EXPECT_EQ(home_.ReadSettings(), "[MISC]\nGain=7\n");  // nothing written yet
    ASSERT_TRUE(file_.EndBatch());
    EXPECT_EQ(home_.ReadSettings(), "[MISC]\nGain=1\nALC=0\nMode=1\n");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
}

// Too big to be ours: neither read nor rewritten, and the operator is told which file.
TEST_F(LinuxProfileFileTest, AHugeFileIsLeftAsItIs) {
    home_.WriteSettings("[COM PARMS]\nPort=6\n");
    fs::resize_file(home_.SettingsPath(), LinuxProfileFile::kMaxFileSize + 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(file_.Read("COM PARMS", "Port"), std::nullopt);
    EXPECT_FALSE(file_.Write("COM PARMS", "Port", "4"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find(home_.SettingsPath()), std::string::npos);
    EXPECT_EQ(fs::file_size(home_.SettingsPath()), LinuxProfileFile::kMaxFileSize + 1);
}

}  // namespace
