#pragma once
// The settings record that the main window keeps for the program's life, the names it has
// in quorvane.ini, and the two bulk transfers that start-up and shutdown make.

#include <optional>
#include <string>

#include "settings/MqttSettings.h"
#include "settings/SettingsFile.h"

// Section and key names exactly as quorvane.ini spells them.
namespace IniKey {
inline constexpr char kComParms[] = "COM PARMS";
inline constexpr char kScreenParms[] = "SCREEN PARMS";
inline constexpr char kMisc[] = "MISC";
inline constexpr char kPowerLimits[] = "POWER LIMITS";
inline constexpr char kShowPowerSection[] = "SHOW POWER";
inline constexpr char kFldigi[] = "FLDIGI";
inline constexpr char kHistory[] = "HISTORY";
inline constexpr char kBestLevel[] = "BEST LEVEL";
inline constexpr char kRig[] = "RIG";
inline constexpr char kLevels[] = "LEVELS";

inline constexpr char kPort[] = "Port";
inline constexpr char kLeft[] = "Left";
inline constexpr char kTop[] = "Top";
inline constexpr char kWidth[] = "Width";
inline constexpr char kHeight[] = "Height";
inline constexpr char kWindowState[] = "Window State";
inline constexpr char kDebug[] = "Debug";
inline constexpr char kAlwaysOnTop[] = "Always on Top";
inline constexpr char kPlatform[] = "Platform";  // only read, before the window system opens
inline constexpr char kAlc[] = "ALC";
inline constexpr char kMode[] = "Mode";
inline constexpr char kSoundCard[] = "Sound Card";
inline constexpr char kSoundOutput[] = "Sound Output";
inline constexpr char kGain[] = "Gain";
inline constexpr char kTargetImd[] = "Target IMD";
inline constexpr char kFakeData[] = "Fake Data";
inline constexpr char kFakePeak[] = "Fake Peak";
inline constexpr char kAudioFloor[] = "Audio Floor";
inline constexpr char kNoiseFloor[] = "Noise Floor";
inline constexpr char kRefreshRate[] = "Refresh Rate";
inline constexpr char kSoundCues[] = "Sound Cues";
inline constexpr char kMaximumVolts[] = "Maximum Volts";
inline constexpr char kMaximumWatts[] = "Maximum Watts";
inline constexpr char kPowerLimitEnabled[] = "Power Limit Enabled";
inline constexpr char kQrpJumpered[] = "QRP jumpered";
inline constexpr char kShowPower[] = "Show Power";
inline constexpr char kFollow[] = "Follow";
inline constexpr char kHost[] = "Host";
inline constexpr char kLog[] = "Log";
inline constexpr char kFile[] = "File";
inline constexpr char kSwrAlert[] = "SWR Alert";
}  // namespace IniKey

// Defaults are those a missing file gives.
struct Settings {
    int ComPort = 1;
    bool Debug = false;
    bool AlwaysOnTop = true;  // check mark of "Always on Top"
    bool Alc = false;         // check mark of "Automatic Level Control"
    bool Psk63 = false;       // check mark of "PSK63"
    int SoundCard = 0;
    // "Sound Output": the chosen output's ID, empty for an output without one; nothing while
    // the key is absent. With an ID, "Sound Card" is left as the file has it.
    std::optional<std::string> SoundOutput;
    double Gain = 5.0;
    int TargetIMD = -22;
    bool FakeDataEnabled = false;
    double FakePeak = 240.0;
    int AudioFloor = 10;
    int NoiseFloor = 10;
    // As stored: the main window runs a value of 0 or less at 1000 ms but saves it unchanged.
    int RefreshRate = 1000;
    // "Sound Cues": a short tone on the desktop's default output at a change to splatter
    // and back to a clean signal.
    bool SoundCues = false;
    double MaxVolts = 5.0;
    double MaxWatts = 5.0;
    bool PowerLimitEnabled = false;
    bool QRPJumpered = true;
    // "Show Power": the status line shows the estimated average power.
    bool ShowPower = false;
    // "Follow fldigi" and where fldigi's XML-RPC server listens (fldigi's defaults).
    bool FldigiFollow = false;
    std::string FldigiHost = "127.0.0.1";
    int FldigiPort = 7362;
    // "Follow the rig (rigctld)", where rigctld listens (its defaults), and the SWR above
    // which "HIGH SWR" shows.
    bool RigFollow = false;
    std::string RigHost = "127.0.0.1";
    int RigPort = 4532;
    double SwrAlert = 2.5;
    // [HISTORY]: every cycle's figures appended to a CSV file; only read, never written.
    bool HistoryLog = false;
    std::string HistoryFile = "quorvane-history.csv";
    // [MQTT], read at start-up after the rest (the topic's default needs the host name).
    MqttSettings Mqtt;

    bool operator==(const Settings&) const = default;
};

// The main window's place at shutdown, in pixels; minimized is the `Minimized` flag (0 or 1).
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int minimized = 0;
    // False where the window system does not tell a window its place (native Wayland):
    // Left and Top then stay as the file has them.
    bool hasPosition = true;
};

// The last start-up reads, after the mixer is created: Gain through Show Power, the fldigi
// and the rig keys, in the order the file is read. Fields read earlier one by one are left alone.
void ReadRemainingSettings(const SettingsFile& file, Settings& settings);

// "Sound Output" as the file has it; nothing when the key is absent.
std::optional<std::string> ReadSoundOutput(const SettingsFile& file);

// The [HISTORY] keys, read at start-up after the rest.
void ReadHistorySettings(const SettingsFile& file, Settings& settings);

// The shutdown save, key by key in the fixed order ("Debug", "Fake Data" and "Fake Peak"
// are never written), put in place together. Every key is attempted; false when any
// write failed.
bool SaveSettings(SettingsFile& file, const Settings& settings, const WindowPlacement& window);

// A best-level sweep's result as kept for one sound output, under [BEST LEVEL] with the
// output's name as key: "61 24.0 -27.0" (level percent, watts, IMD dB; '.' always).
struct KeptBestLevel {
    int level = 0;
    double watts = 0.0;
    double imdDb = 0.0;
    bool operator==(const KeptBestLevel&) const = default;
};
// The output's name as a key: the characters a key cannot hold ('=', ';', '[', ']', line
// ends) become '_', and the ends are trimmed.
std::string BestLevelKey(const std::string& outputName);
// Nothing when none is kept or the value does not read as one.
std::optional<KeptBestLevel> ReadBestLevel(const SettingsFile& file, const std::string& output);
bool SaveBestLevel(SettingsFile& file, const std::string& output, const KeptBestLevel& kept);

// The output's level kept for a band and mode while following the rig, under [LEVELS] with
// the band and mode as key: "20m-PKTUSB=61" (percent). Nothing when none is kept or the
// value is not a percentage.
std::optional<int> ReadBandLevel(const SettingsFile& file, const std::string& bandMode);
bool SaveBandLevel(SettingsFile& file, const std::string& bandMode, int level);
