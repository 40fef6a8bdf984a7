#include "platform/win32/Win32ProfileFile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

std::string WindowsDirectory() {
    char buffer[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, length);
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A settings file of this test's own under its bare name, gone again afterwards.
class ProfileFileTest : public testing::Test {
protected:
    void SetUp() override {
        name_ = "qvtest-" + std::to_string(GetCurrentProcessId()) + ".ini";
        path_ = WindowsDirectory() + "\\" + name_;
        DeleteFileA(path_.c_str());
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }

    std::string name_;
    std::string path_;
};

TEST_F(ProfileFileTest, BareNameLivesInTheWindowsDirectory) {
    Win32ProfileFile ini(name_);
    EXPECT_EQ(ini.read("MISC", "Gain"), std::nullopt) << "no file yet";

    ASSERT_TRUE(ini.write("MISC", "Gain", "5.5"));
    ASSERT_TRUE(ini.write("MISC", "Debug", "0"));
    ASSERT_TRUE(ini.write("MISC", "Note", ""));
    ASSERT_TRUE(ini.write("COM PARMS", "Port", "3"));

    EXPECT_NE(GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(name_.c_str()), INVALID_FILE_ATTRIBUTES)
        << "not in the working directory";

    EXPECT_EQ(ini.read("MISC", "Gain"), "5.5");
    EXPECT_EQ(ini.read("misc", "GAIN"), "5.5") << "names match without regard to case";
    EXPECT_EQ(ini.read("COM PARMS", "Port"), "3");
    // Values that equal a default or are empty are still there.
    EXPECT_EQ(ini.read("MISC", "Debug"), "0");
    EXPECT_EQ(ini.read("MISC", "Note"), "");
    EXPECT_EQ(ini.read("MISC", "Port"), std::nullopt) << "key of another section";
    EXPECT_EQ(ini.read("SCREEN PARMS", "Left"), std::nullopt);

    ASSERT_TRUE(ini.write("misc", "gain", "7"));
    EXPECT_EQ(ini.read("MISC", "Gain"), "7");
    const std::string text = FileText(path_);
    EXPECT_EQ(text.find("5.5"), std::string::npos) << text;
}

TEST_F(ProfileFileTest, WritingAKeyKeepsTheRestOfTheFile) {
    {
        std::ofstream file(path_, std::ios::binary);
        file << "; kept by hand\r\n[MISC]\r\nGain =  2.25  \r\nOwn Key=x\r\n\r\n"
                "[ELSEWHERE]\r\nA=1\r\n";
    }
    Win32ProfileFile ini(path_);
    EXPECT_EQ(ini.read("MISC", "Gain"), "2.25") << "values come back trimmed";
    ASSERT_TRUE(ini.write("MISC", "Target IMD", "-22"));
    ASSERT_TRUE(ini.write("POWER LIMITS", "Maximum Volts", "5"));

    const std::string text = FileText(path_);
    for (const char* kept : {"; kept by hand", "Own Key=x", "[ELSEWHERE]", "A=1", "2.25"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << " in\n" << text;
    EXPECT_EQ(ini.read("MISC", "Target IMD"), "-22");
    EXPECT_EQ(ini.read("POWER LIMITS", "Maximum Volts"), "5");
}

}  // namespace
