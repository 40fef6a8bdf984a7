#pragma once
// What the menu commands compute from and for their dialogs, kept apart from the widgets
// so that it can be checked without a display.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Translation.h"

// Named in the port dialog's notes and at the bottom of the About box.
inline constexpr std::string_view kMakerWebAddress = "www.quorvane.com";

// Index of the entry whose whole text equals `text` without regard to case, or -1.
template <std::size_t N>
int FindEntryIgnoringCase(const std::array<std::string_view, N>& entries, std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The gain and watts fields show "%4.1f": 5.0 as " 5.0", 10.0 as "10.0".
std::string EditFieldText(double value, char decimalSeparator);

// --- Com port ---------------------------------------------------------------------------
inline constexpr int kComPortEntryCount = 16;
std::string ComPortText(int comPort);
// Only the two characters after "COM" count, so "COM123" names port 12.
int ComPortFromText(std::string_view listText);
// The GetVersion-style word has its top bit clear on the NT family.
bool IsNtFamily(uint32_t versionWord);
struct PortHelpTexts {
    std::string explanation;
    std::string hint;
};
PortHelpTexts PortFormTexts(bool ntFamily);
// The notes on Linux, where adapters keep their names and the port is never shared.
PortHelpTexts LinuxPortFormTexts();
std::string CouldNotOpenText(std::string_view listText);

// --- Refresh rate -----------------------------------------------------------------------
inline constexpr std::array<std::string_view, 3> RefreshRateEntries = {
    TRANSLATABLE("RefreshRateDialog", "Every 0.5 seconds"),
    TRANSLATABLE("RefreshRateDialog", "Every second"),
    TRANSLATABLE("RefreshRateDialog", "Every 2 seconds")};
inline constexpr std::array<int, 3> RefreshRateIntervals = {500, 1000, 2000};
inline constexpr int kDefaultRefreshInterval = 1000;
// Empty when the interval is not one the list offers.
std::string RefreshRateText(int intervalMs);
int RefreshIntervalFromText(std::string_view text);

// --- Feedback gain ----------------------------------------------------------------------
inline constexpr double kMinGain = 0.1;
inline constexpr double kMaxGain = 10.0;
double ClampGain(double gain);
// Reads the masked edit's text as the operator left it, with the separator the field
// was filled with (the locale's), so that an untouched field reads back unchanged.
double GainFromText(const std::string& text, char decimalSeparator);

// --- Target IMD -------------------------------------------------------------------------
inline constexpr std::array<std::string_view, 6> TargetImdEntries = {"-20db", "-22db", "-24db",
                                                                     "-26db", "-28db", "-30db"};
// Entry shown for a stored target; odd or out-of-range targets land on the nearest entry.
int TargetImdIndex(int targetImd);
int TargetImdForIndex(int index);
// A text that names no entry leaves the target as it was.
int TargetImdFromText(std::string_view text, int previousTarget);

// --- Noise threshold --------------------------------------------------------------------
inline constexpr std::array<std::string_view, 11> NoiseEntries = {
    "0", "20", "40", "60", "80", "100", "120", "140", "160", "180", "200"};
// Empty when the stored floor names no entry (hand-edited settings file).
std::string NoiseText(int noiseFloor);
int NoiseFloorFromText(std::string_view text, int previousFloor);

// --- Power limit ------------------------------------------------------------------------
inline constexpr double kAdcRangeVolts = 5.0;
inline constexpr double kMinLimitWatts = 1.0;
// Peak volts at the converter for a given output power, per jumper setting.
double WattsToVolts(double watts, bool qrpJumpered);
// The most power the converter can see with that jumper setting.
double MaxWattsInRange(bool qrpJumpered);

struct PowerLimitSettings {
    bool PowerLimitEnabled = false;
    double MaxWatts = 5.0;
    double MaxVolts = 5.0;
    bool QRPJumpered = true;
};
struct PowerLimitOutcome {
    double MaxWatts;
    double MaxVolts;
    bool ExceedsRange;  // the operator must be told that MaxWatts was capped
};
PowerLimitOutcome ComputePowerLimit(double wattsEntered, bool qrpJumpered);
// As GainFromText: the separator is the one EditFieldText wrote.
PowerLimitOutcome PowerLimitFromText(const std::string& wattsText, bool qrpJumpered,
                                     char decimalSeparator);
inline constexpr const char* kPowerExceedsCaption =
    TRANSLATABLE("PowerLimitDialog", "Power specified exceeds range");
std::string PowerExceedsText(double maxWatts, char decimalSeparator);

// --- Sound card -------------------------------------------------------------------------
inline constexpr const char* kOneSoundCardCaption =
    TRANSLATABLE("SoundCardDialog", "Only one sound card");
std::string OneSoundCardText(const std::string& deviceName);
// No selection in the device list means the first device.
int SoundCardFromSelection(int selectedIndex);

// --- About box --------------------------------------------------------------------------
std::string AboutVersionText(const std::string& programVersion);
std::string AboutFirmwareText(const std::string& firmwareText);
std::string AboutOsText(const std::string& osName);
std::string AboutWebText();
// Name of a Windows release from GetVersionEx's major, minor, platform id and build number.
std::string WindowsOsName(unsigned major, unsigned minor, unsigned platformId, unsigned build = 0);

template <std::size_t N>
int FindEntryIgnoringCase(const std::array<std::string_view, N>& entries, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (EqualsIgnoringCase(entries[i], text)) return static_cast<int>(i);
    }
    return -1;
}
