#include "dialogs/Commands.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Translation.h"
#include "dialogs/NumberConversion.h"
#include "measure/FixedFormat.h"
#include "meter/PortListing.h"

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::string EditFieldText(double value, char decimalSeparator) {
    return FormatFixed(value, 4, 1, decimalSeparator);
}

// --- Com port ---------------------------------------------------------------------------

std::string ComPortText(int comPort) {
    return "COM" + std::to_string(comPort);
}

int ComPortFromText(std::string_view listText) {
    // A fourth digit makes a number beyond the highest port.
    const std::string digits = listText.size() > 3 ? std::string(listText.substr(3, 4)) : "";
    const int port = LenientStrToInt(digits);
    return port <= kHighestComPort ? port : 0;
}

bool IsNtFamily(uint32_t versionWord) {
    return (versionWord & 0x80000000u) == 0;
}

PortHelpTexts PortFormTexts(bool ntFamily) {
    const std::string address(kMakerWebAddress);
    if (ntFamily) {
        return {
            Translated("PortDialog",
                       "Select your computer's COM port that is used to communicate with the "
                       "Quorvane. This port can be the same port as what your PSK31 software, "
                       "such as Digipan, uses to connect to the radio (but you will have to make "
                       "up a special serial cable). However, this port cannot be shared with "
                       "another program unrelated to PSK31 accessing the same port."),
            FilledIn(Translated(
                         "PortDialog",
                         "NOTE: You can get around a com port conflict with another application by "
                         "using a serial-to-USB adapter and driver available at %1."),
                     {address})};
    }
    return {
        Translated("PortDialog",
                   "Select your computer's COM port that you wish to use to communicate with the "
                   "Quorvane. This port cannot be shared with another program that accesses the "
                   "same port. For example, if you are using Digipan to control your transmitter "
                   "on COM Port 1, you cannot use COM Port1 to also connect to Quorvane."),
        FilledIn(
            Translated(
                "PortDialog",
                "NOTE: you can get around this requirement in one of two ways: 1) By running "
                "under Windows NT or Windows 2000, QUORVANE can share the same comport as your "
                "PSK31 software, or 2) by using the serial-to-USB adapter and driver available "
                "at %1."),
            {address})};
}

PortHelpTexts LinuxPortFormTexts() {
    return {Translated("PortDialog",
                       "Select the serial port that talks to the Quorvane. Adapters are listed "
                       "with what they are; one shown as New gets the next free COM number, tied "
                       "to its /dev/serial/by-id/ name so that it is found again in any USB "
                       "socket."),
            Translated("PortDialog",
                       "NOTE: opening a serial port needs membership in the dialout group (log in "
                       "again after joining it). Sharing the port with another program is not "
                       "available here: the meter needs a port of its own.")};
}

std::string CouldNotOpenText(std::string_view listText) {
    return FilledIn(Translated("PortDialog", "Could not open %1"), {listText});
}

// --- Refresh rate -----------------------------------------------------------------------

std::string RefreshRateText(int intervalMs) {
    const auto* found =
        std::find(RefreshRateIntervals.begin(), RefreshRateIntervals.end(), intervalMs);
    if (found == RefreshRateIntervals.end()) return {};
    return std::string(RefreshRateEntries[found - RefreshRateIntervals.begin()]);
}

int RefreshIntervalFromText(std::string_view text) {
    const int index = FindEntryIgnoringCase(RefreshRateEntries, text);
    return index < 0 ? kDefaultRefreshInterval : RefreshRateIntervals[index];
}

// --- Feedback gain ----------------------------------------------------------------------

double ClampGain(double gain) {
    if (gain < kMinGain) gain = kMinGain;
    if (gain > kMaxGain) gain = kMaxGain;
    return gain;
}

double GainFromText(const std::string& text, char decimalSeparator) {
    return ClampGain(LenientStrToFloat(text, decimalSeparator));
}

// --- Target IMD -------------------------------------------------------------------------

int TargetImdIndex(int targetImd) {
    // Wide arithmetic: a hand-edited settings file may hold any integer.
    const long long index = (-static_cast<long long>(targetImd) - 20) / 2;
    const long long last = static_cast<long long>(TargetImdEntries.size()) - 1;
    return static_cast<int>(std::clamp(index, 0LL, last));
}

int TargetImdForIndex(int index) {
    return -(20 + 2 * index);
}

int TargetImdFromText(std::string_view text, int previousTarget) {
    const int index = FindEntryIgnoringCase(TargetImdEntries, text);
    return index < 0 ? previousTarget : TargetImdForIndex(index);
}

// --- Noise threshold --------------------------------------------------------------------

std::string NoiseText(int noiseFloor) {
    if (noiseFloor < 0 || noiseFloor >= static_cast<int>(NoiseEntries.size())) return {};
    return std::string(NoiseEntries[noiseFloor]);
}

int NoiseFloorFromText(std::string_view text, int previousFloor) {
    const int index = FindEntryIgnoringCase(NoiseEntries, text);
    return index < 0 ? previousFloor : index;
}

// --- Power limit ------------------------------------------------------------------------

namespace {
struct WattsToVoltsFit {
    double a3, a2, a1, a0;
    double wattsAtFullScale;
};
// Measured on the meter's two jumper settings.
constexpr WattsToVoltsFit kQrpFit{0.0089, -0.1829, 1.2026, 0.4, 13.3};
constexpr WattsToVoltsFit kQroFit{4.19e-06, -0.00107, 0.08985, 0.197, 168.0};

const WattsToVoltsFit& FitFor(bool qrpJumpered) {
    return qrpJumpered ? kQrpFit : kQroFit;
}
}  // namespace

namespace {
double Cubic(const WattsToVoltsFit& f, double watts) {
    return ((f.a3 * watts + f.a2) * watts + f.a1) * watts + f.a0;
}

// Where the fitted cubic tops out before it dips (5.48 W for QRP, 75 W for QRO), or
// infinity when it never falls: the root of its derivative at which the slope turns
// from rising to falling.
double WattsAtFirstPeak(const WattsToVoltsFit& f) {
    const double a = 3 * f.a3, b = 2 * f.a2, c = f.a1;
    const double discriminant = b * b - 4 * a * c;
    if (a <= 0 || discriminant <= 0) return std::numeric_limits<double>::infinity();
    return (-b - std::sqrt(discriminant)) / (2 * a);
}
}  // namespace

double WattsToVolts(double watts, bool qrpJumpered) {
    const WattsToVoltsFit& f = FitFor(qrpJumpered);
    // The fit dips between its two turning points, so more watts could give a lower
    // limit: hold its running maximum there instead.
    const double peak = WattsAtFirstPeak(f);
    const double volts = Cubic(f, watts);
    return watts > peak ? std::max(volts, Cubic(f, peak)) : volts;
}

double MaxWattsInRange(bool qrpJumpered) {
    return FitFor(qrpJumpered).wattsAtFullScale;
}

PowerLimitOutcome ComputePowerLimit(double wattsEntered, bool qrpJumpered) {
    const double watts = wattsEntered < kMinLimitWatts ? kMinLimitWatts : wattsEntered;
    const double volts = WattsToVolts(watts, qrpJumpered);
    if (volts > kAdcRangeVolts) return {MaxWattsInRange(qrpJumpered), kAdcRangeVolts, true};
    return {watts, volts, false};
}

PowerLimitOutcome PowerLimitFromText(const std::string& wattsText, bool qrpJumpered,
                                     char decimalSeparator) {
    return ComputePowerLimit(LenientStrToFloat(wattsText, decimalSeparator), qrpJumpered);
}

std::string PowerExceedsText(double maxWatts, char decimalSeparator) {
    return FilledIn(
        Translated("PowerLimitDialog",
                   "The power you specified exceeds the range of the ADC.;The maximum power "
                   "consistent with the QRP/QRO jumper setting you specified and ADC range,;%1 "
                   "watts, will be used instead."),
        {FormatFixed(maxWatts, 5, 1, decimalSeparator)});
}

// --- Sound card -------------------------------------------------------------------------

std::string OneSoundCardText(const std::string& deviceName) {
    return FilledIn(
        Translated("SoundCardDialog",
                   "Your computer has only one sound card:;;%1;;which is the device quorvane is "
                   "using to control audio to your rig."),
        {deviceName});
}

int SoundCardFromSelection(int selectedIndex) {
    return selectedIndex < 0 ? 0 : selectedIndex;
}

// --- About box --------------------------------------------------------------------------

std::string AboutVersionText(const std::string& programVersion) {
    return FilledIn(Translated("AboutDialog", "Quorvane Version %1"), {programVersion});
}

std::string AboutFirmwareText(const std::string& firmwareText) {
    return FilledIn(Translated("AboutDialog", "Firmware: %1"),
                    {Translated("StatusWord", firmwareText.c_str())});
}

std::string AboutOsText(const std::string& osName) {
    return FilledIn(Translated("AboutDialog", "Operating System: %1"), {osName});
}

std::string AboutWebText() {
    return FilledIn(Translated("AboutDialog", "go to %1"), {kMakerWebAddress});
}

std::string WindowsOsName(unsigned major, unsigned minor, unsigned platformId, unsigned build) {
    // Windows 11 still calls itself 10.0; only its build numbers tell it apart.
    if (major == 10 && minor == 0 && build >= 22000) return "Windows 11";
    struct Release {
        unsigned major, minor;
        int platformId;  // -1: any
        const char* name;
    };
    static constexpr Release releases[] = {
        {4, 0, 1, "Windows 95"},           {4, 0, 2, "Windows NT"},     {4, 10, -1, "Windows 98"},
        {4, 90, -1, "Windows ME"},         {5, 0, -1, "Windows 2000"},  {5, 1, -1, "Windows XP"},
        {5, 2, -1, "Windows Server 2003"}, {6, 0, -1, "Windows Vista"}, {6, 1, -1, "Windows 7"},
        {6, 2, -1, "Windows 8"},           {6, 3, -1, "Windows 8.1"},   {10, 0, -1, "Windows 10"},
    };
    for (const Release& r : releases) {
        if (r.major == major && r.minor == minor &&
            (r.platformId < 0 || static_cast<unsigned>(r.platformId) == platformId))
            return r.name;
    }
    return Translated("AboutDialog", "Unknown OS");
}
