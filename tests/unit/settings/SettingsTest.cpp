#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeProfileFile.h"

namespace {

using Access = FakeProfileFile::Access;

// Every field away from its default, so that a field read or written in another's place shows.
// clang-format off
const Settings kUnusual{.ComPort = 3, .Debug = true, .AlwaysOnTop = false, .Alc = true,
    .Psk63 = true, .SoundCard = 2, .Gain = 2.5, .TargetIMD = -25, .FakeDataEnabled = true,
    .FakePeak = 100.0, .AudioFloor = 150, .NoiseFloor = 12, .RefreshRate = -5,
    .MaxVolts = 3.75, .MaxWatts = 20.0, .PowerLimitEnabled = true, .QRPJumpered = false,
    .FldigiFollow = true, .FldigiHost = "shack", .FldigiPort = 7000};
// clang-format on

TEST(ReadRemainingSettings, MissingKeysGiveDefaultsAndEarlierReadsStay) {
    FakeProfileFile profile;
    profile.Write("MISC", "Fake Data", "-1");  // only a positive value turns it on
    Settings settings = kUnusual;
    ReadRemainingSettings(SettingsFile(profile), settings);

    // clang-format off
    const Settings expected{.ComPort = 3, .Debug = true, .AlwaysOnTop = false, .Alc = true,
        .Psk63 = true, .SoundCard = 2, .Gain = 5.0, .TargetIMD = -22, .FakeDataEnabled = false,
        .FakePeak = 240.0, .AudioFloor = 10, .NoiseFloor = 10, .RefreshRate = 1000,
        .MaxVolts = 5.0, .MaxWatts = 5.0, .PowerLimitEnabled = false, .QRPJumpered = true};
    // clang-format on
    EXPECT_EQ(settings, expected);  // the key names read show in the save round trip below
}

TEST(SaveSettings, WritesEveryKeyInShutdownOrderAndReadsBackUnchecked) {
    FakeProfileFile profile;
    SettingsFile file(profile, ',');
    Settings settings = kUnusual;
    settings.Psk63 = false;  // differs from its neighbours, so a swapped field shows
    EXPECT_TRUE(SaveSettings(file, settings, WindowPlacement{100, 50, 447, 328, 1}));
    // "Debug", "Fake Data" and "Fake Peak" are the operator's own: never written.
    // clang-format off
    const std::vector<Access> expected = {{"COM PARMS", "Port", "3"},
        {"SCREEN PARMS", "Left", "100"}, {"SCREEN PARMS", "Top", "50"},
        {"SCREEN PARMS", "Width", "447"}, {"SCREEN PARMS", "Height", "328"},
        {"SCREEN PARMS", "Window State", "1"}, {"MISC", "Always on Top", "0"},
        {"MISC", "ALC", "1"}, {"MISC", "Gain", "2,5"}, {"MISC", "Target IMD", "-25"},
        {"MISC", "Audio Floor", "150"}, {"MISC", "Noise Floor", "12"}, {"MISC", "Mode", "0"},
        {"MISC", "Sound Card", "2"}, {"MISC", "Refresh Rate", "-5"},
        {"POWER LIMITS", "Maximum Volts", "3,75"}, {"POWER LIMITS", "Maximum Watts", "20"},
        {"POWER LIMITS", "Power Limit Enabled", "1"}, {"POWER LIMITS", "QRP jumpered", "0"},
        {"FLDIGI", "Follow", "1"}, {"FLDIGI", "Host", "shack"}, {"FLDIGI", "Port", "7000"}};
    // clang-format on
    EXPECT_EQ(profile.writes, expected);
    EXPECT_EQ(std::pair(profile.batchesEnded, profile.writesAlone), std::pair(1, 0));

    // Out-of-range values come back as saved (the main window runs a bad refresh rate at
    // 1000 ms but keeps it); the earlier reads are the main window's own.
    profile.Write("MISC", "Fake Data", "1");  // only ever put there by hand
    profile.Write("MISC", "Fake Peak", "100");
    Settings loaded{.ComPort = 3, .Debug = true, .AlwaysOnTop = false, .Alc = true, .SoundCard = 2};
    ReadRemainingSettings(file, loaded);
    EXPECT_EQ(loaded, settings);

    // A failed key does not stop the others.
    profile.writes.clear();
    profile.failWrites = true;
    EXPECT_FALSE(SaveSettings(file, kUnusual, WindowPlacement{}));
    EXPECT_EQ(profile.writes.size(), expected.size());
    // Every key written, but the file not replaced: still a failed save.
    profile.failWrites = false;
    profile.failReplace = true;
    EXPECT_FALSE(SaveSettings(file, kUnusual, WindowPlacement{}));
}

}  // namespace
