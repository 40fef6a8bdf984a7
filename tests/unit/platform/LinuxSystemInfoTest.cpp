#include "platform/linux/LinuxSystemInfo.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

TEST(LinuxSystemInfo, IsNeverTakenForTheNtFamily) {
    const LinuxSystemInfo info;
    EXPECT_NE(info.VersionWord() & 0x80000000u, 0u);
    EXPECT_GT(info.VersionWord() & 0xFFu, 0u);  // a Linux kernel has a major version
    EXPECT_EQ(LinuxSystemInfo::VersionWordFromKernel("6.1.0-18-amd64"), 0x80000106u);
    EXPECT_EQ(LinuxSystemInfo::VersionWordFromKernel("300.999.1"), 0x8000FFFFu);
    EXPECT_EQ(LinuxSystemInfo::VersionWordFromKernel("junk"), 0x80000000u);

    EXPECT_FALSE(info.OsName().empty());
    EXPECT_TRUE(std::regex_match(info.ProgramVersion(), std::regex(R"(\d+\.\d+\.\d+\.\d+)")))
        << info.ProgramVersion();
}

TEST(LinuxSystemInfo, MapsLocalesToWindowsLanguageIds) {
    // The languages that choose the lenient conversions' decimal character, and variants.
    const auto id = &LinuxSystemInfo::WindowsLanguageId;
    EXPECT_EQ(id(QLocale::German, QLocale::Germany), 0x0407);
    EXPECT_EQ(id(QLocale::German, QLocale::Austria), 0x0C07);
    EXPECT_EQ(id(QLocale::English, QLocale::UnitedStates), 0x0409);
    EXPECT_EQ(id(QLocale::English, QLocale::UnitedKingdom), 0x0809);
    EXPECT_EQ(id(QLocale::Spanish, QLocale::Spain), 0x0C0A);
    EXPECT_EQ(id(QLocale::French, QLocale::France), 0x040C);
    EXPECT_EQ(id(QLocale::French, QLocale::Canada), 0x0C0C);
    EXPECT_EQ(id(QLocale::Italian, QLocale::Italy), 0x0410);
    EXPECT_EQ(id(QLocale::Russian, QLocale::Ukraine), 0x0419);
    EXPECT_EQ(id(QLocale::Esperanto, QLocale::AnyTerritory), 0);
}

}  // namespace
