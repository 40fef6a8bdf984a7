// The settings record and the settings file's conversions, over an in-memory file.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <optional>
#include <tuple>
#include <vector>

#include "fakes/FakeProfileFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

namespace {

// Every field away from its default, so that a field read or written in another's place shows.
// clang-format off
const Settings kUnusual{.ComPort = 3, .Debug = true, .AlwaysOnTop = false, .Alc = true,
    .Psk63 = true, .SoundCard = 2, .Gain = 2.5, .TargetIMD = -25, .FakeDataEnabled = true,
    .FakePeak = 100.0, .AudioFloor = 150, .NoiseFloor = 12, .RefreshRate = -5,
    .SoundCues = true, .MaxVolts = 3.75, .MaxWatts = 20.0, .PowerLimitEnabled = true, .QRPJumpered = false,
    .ShowPower = true, .FldigiFollow = true, .FldigiHost = "shack", .FldigiPort = 7000,
    .RigFollow = true, .RigHost = "radio", .RigPort = 4533, .SwrAlert = 3.5,
    .Mqtt = {.Enabled = true, .Host = "broker", .Port = 1884, .Topic = "q/t", .Username = "u",
             .Password = "p", .Interval = 500, .HomeAssistant = true}};
// clang-format on

TEST(SaveSettings, WritesEveryKeyInShutdownOrderAndReadsBackUnchecked) {
    FakeProfileFile profile;
    SettingsFile file(profile, ',');
    Settings settings = kUnusual;
    settings.Psk63 = false;  // differs from its neighbours, so a swapped field shows
    EXPECT_TRUE(SaveSettings(file, settings, WindowPlacement{100, 50, 447, 328, 1}));
    // "Debug", "Fake Data" and "Fake Peak" are the operator's own: never written.
    // clang-format off
    const std::vector<FakeProfileFile::Access> expected = {{"SHOW POWER", "Show Power", "1"},
        {"POWER LIMITS", "QRP jumpered", "0"}, {"COM PARMS", "Port", "3"},
        {"SCREEN PARMS", "Left", "100"}, {"SCREEN PARMS", "Top", "50"},
        {"SCREEN PARMS", "Width", "447"}, {"SCREEN PARMS", "Height", "328"},
        {"SCREEN PARMS", "Window State", "1"}, {"MISC", "Always on Top", "0"},
        {"MISC", "ALC", "1"}, {"MISC", "Gain", "2,5"}, {"MISC", "Target IMD", "-25"},
        {"MISC", "Audio Floor", "150"}, {"MISC", "Noise Floor", "12"}, {"MISC", "Mode", "0"},
        {"MISC", "Sound Card", "2"}, {"MISC", "Refresh Rate", "-5"},
        {"MISC", "Sound Cues", "1"},
        {"POWER LIMITS", "Maximum Volts", "3,75"}, {"POWER LIMITS", "Maximum Watts", "20"},
        {"POWER LIMITS", "Power Limit Enabled", "1"}, {"FLDIGI", "Follow", "1"}, {"FLDIGI", "Host", "shack"}, {"FLDIGI", "Port", "7000"},
        {"RIG", "Follow", "1"}, {"RIG", "Host", "radio"}, {"RIG", "Port", "4533"},
        {"RIG", "SWR Alert", "3,5"}, {"MQTT", "Enabled", "1"}, {"MQTT", "Host", "broker"},
        {"MQTT", "Port", "1884"}, {"MQTT", "Topic", "q/t"}, {"MQTT", "Username", "u"},
        {"MQTT", "Password", "p"}, {"MQTT", "Interval", "500"}, {"MQTT", "HomeAssistant", "1"}};
    // clang-format on
    EXPECT_EQ(profile.writes, expected);
    EXPECT_EQ(profile.batchesEnded, 1);  // one replace of the file for the whole save

    // Out-of-range values come back as saved (the main window runs a bad refresh rate at
    // 1000 ms but keeps it); the earlier reads are the main window's own and stay. Where a
    // key is missing the record's default comes back; a "Fake Data" of -1 does not count.
    profile.Write("MISC", "Fake Data", "1");  // only ever put there by hand
    profile.Write("MISC", "Fake Peak", "100");
    // Without a topic, MQTT's is made of the host name, its '/' and blanks made '_'.
    const Settings earlier{.ComPort = 3,
                           .Debug = true,
                           .AlwaysOnTop = false,
                           .Alc = true,
                           .SoundCard = 2,
                           .Mqtt = {.Topic = "quorvane/shack_pc_1"}};
    Settings loaded = earlier;
    ReadRemainingSettings(file, loaded);
    ReadMqttSettings(file, loaded.Mqtt, "shack pc/1");
    EXPECT_EQ(loaded, settings);
    FakeProfileFile sparse;
    sparse.Write("MISC", "Fake Data", "-1");
    ReadRemainingSettings(SettingsFile(sparse), loaded);
    ReadMqttSettings(SettingsFile(sparse), loaded.Mqtt, "shack pc/1");
    EXPECT_EQ(loaded, earlier);

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

// An output with an ID is saved by it, the old number left as the file has it; one without
// an ID, or a record from before the key, saves the number. Absent and empty read apart.
TEST(SaveSettings, TheSoundOutputByItsIdOrElseByNumber) {
    using Id = std::optional<std::string>;
    for (const Id& id : {Id("{radio}"), Id(""), Id()}) {
        FakeProfileFile profile;
        SettingsFile file(profile);
        Settings settings = kUnusual;
        settings.SoundOutput = id;
        ASSERT_TRUE(SaveSettings(file, settings, WindowPlacement{}));
        EXPECT_EQ(std::tuple(ReadSoundOutput(file), profile.Read("MISC", "Sound Card")),
                  std::tuple(id, id.value_or("").empty() ? Id("2") : Id()))
            << id.value_or("(absent)");
    }
}

// What the file reads from a key holding `text`: each with a default of its own.
struct Reading {
    Reading(const std::string& text, char separator = '.') : file(profile, separator) {
        profile.Write("MISC", "Key", text);
    }
    int Integer() const { return file.ReadInteger("MISC", "Key", -7); }
    bool Bool(bool byDefault) const { return file.ReadBool("MISC", "Key", byDefault); }
    double Float() const { return file.ReadFloat("MISC", "Key", -7.5); }
    FakeProfileFile profile;
    SettingsFile file;
};

// A sweep's result is kept under the output's name, made fit to be a key, and read back
// whatever the locale's separator; a value that does not read as one is none.
TEST(BestLevel, KeptPerOutputAndReadBackOrNone) {
    FakeProfileFile profile;
    SettingsFile file(profile, ',');
    EXPECT_EQ(BestLevelKey(" USB [radio]=left; "), "USB _radio__left_");
    ASSERT_TRUE(SaveBestLevel(file, "USB Audio CODEC", {61, 24.04, -27.25}));
    EXPECT_EQ(profile.Read("BEST LEVEL", "USB Audio CODEC"), "61 24.0 -27.2");
    EXPECT_EQ(ReadBestLevel(file, "USB Audio CODEC"), (KeptBestLevel{61, 24.0, -27.2}));
    EXPECT_EQ(ReadBestLevel(file, "Speakers"), std::nullopt);
    for (const char* bad : {"61", "x 1 2", "101 1 2", "-1 1 2"}) {
        profile.Write("BEST LEVEL", "Speakers", bad);
        EXPECT_EQ(ReadBestLevel(file, "Speakers"), std::nullopt) << bad;
    }
    // A level per band and mode: a percentage or nothing.
    ASSERT_TRUE(SaveBandLevel(file, "20m-PKTUSB", 61));
    EXPECT_EQ(profile.Read("LEVELS", "20m-PKTUSB"), "61");
    EXPECT_EQ(ReadBandLevel(file, "20m-PKTUSB"), 61);
    for (const char* bad : {"101", "-1", "6x"}) {
        profile.Write("LEVELS", "40m-USB", bad);
        EXPECT_EQ(ReadBandLevel(file, "40m-USB"), std::nullopt) << bad;
    }
}

TEST(SettingsFile, ReadsIntegersAndBooleansOrTheDefault) {
    // Nothing: does not convert, the default comes back.
    // clang-format off
    const std::pair<const char*, std::optional<int>> cases[] = {{" 12 ", 12}, {"+7", 7},
        {"-5", -5}, {"0X1f", 31}, {"$ff", 255}, {"-$10", -16}, {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN}, {"2147483648", {}}, {"12abc", {}}, {"", {}}, {"--5", {}},
        {"0x", {}}, {"true", {}}};
    const std::tuple<const char*, bool, bool> flags[] = {{"0", true, false}, {"-1", false, true},
        {"yes", true, true}, {"yes", false, false}};  // text, default, read
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Reading(text).Integer(), value.value_or(-7)) << '"' << text << '"';
    for (const auto& [text, byDefault, expected] : flags)
        EXPECT_EQ(Reading(text).Bool(byDefault), expected) << text;
}

TEST(SettingsFile, ReadsDecimalsWithTheLocaleSeparatorOrTheDefault) {
    // clang-format off
    const std::tuple<const char*, char, std::optional<double>> cases[] = {{" 7.25 ", '.', 7.25},
        {"-0.5", '.', -0.5}, {".5", '.', 0.5}, {"3.", '.', 3.0}, {"2.5E-1", '.', 0.25},
        {"2,5e+1", ',', 25.0},
        // Under ',' a '.' is a decimal point too; under '.' a ',' is not.
        {"2.5", ',', 2.5}, {"2,5", '.', {}}, {"1.234,5", ',', {}}, {"nan", '.', {}},
        {"1e999", '.', {}}, {"", '.', {}}, {"1e+", '.', {}}, {"5 V", '.', {}}};
    // clang-format on
    for (const auto& [text, separator, value] : cases)
        EXPECT_DOUBLE_EQ(Reading(text, separator).Float(), value.value_or(-7.5))
            << '"' << text << "\" with '" << separator << "'";
}

TEST(SettingsFile, WritesDecimalsInShortestFormUpTo15Digits) {
    EXPECT_EQ(FormatSettingFloat(2.95312345678912345, '.'), "2.95312345678912");
    for (const char separator : {'.', ','})
        for (const double value : {0.1, -3.75, 1e-5, 2.95312345678912, DBL_MAX, DBL_TRUE_MIN})
            EXPECT_EQ(Reading(FormatSettingFloat(value, separator), separator).Float(), value)
                << value << separator;
}

}  // namespace
