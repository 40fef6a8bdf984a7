#include "platform/linux/LinuxSystemInfo.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The port dialog words its help for the NT family only where the version's top bit is clear.
TEST(LinuxSystemInfo, IsNeverTheNtFamilyAndMapsLocalesToWindowsLanguageIds) {
    EXPECT_NE(LinuxSystemInfo().VersionWord() & 0x80000000u, 0u);
    EXPECT_EQ(LinuxSystemInfo::VersionWordFromKernel("junk"), 0x80000000u);

    // The languages that choose the lenient conversions' decimal character, and variants.
    const std::tuple<QLocale::Language, QLocale::Territory, uint16_t> cases[] = {
        {QLocale::German, QLocale::Germany, 0x0407},
        {QLocale::English, QLocale::UnitedStates, 0x0409},
        {QLocale::French, QLocale::Canada, 0x0C0C},
        {QLocale::Italian, QLocale::Italy, 0x0410},
        {QLocale::Russian, QLocale::Ukraine, 0x0419},
        {QLocale::Esperanto, QLocale::AnyTerritory, 0}};
    for (const auto& [language, territory, id] : cases)
        EXPECT_EQ(LinuxSystemInfo::WindowsLanguageId(language, territory), id) << id;
}

}  // namespace
