#include "settings/Settings.h"

#include <cstdio>
#include <locale>
#include <sstream>

void ReadRemainingSettings(const SettingsFile& file, Settings& settings) {
    using namespace IniKey;
    const Settings defaults;
    settings.Gain = file.ReadFloat(kMisc, kGain, defaults.Gain);
    settings.TargetIMD = file.ReadInteger(kMisc, kTargetImd, defaults.TargetIMD);
    // Only a positive "Fake Data" switches the simulated meter on; -1 is as good as 0.
    settings.FakeDataEnabled = file.ReadInteger(kMisc, kFakeData, 0) > 0;
    settings.FakePeak = file.ReadFloat(kMisc, kFakePeak, defaults.FakePeak);
    settings.AudioFloor = file.ReadInteger(kMisc, kAudioFloor, defaults.AudioFloor);
    settings.NoiseFloor = file.ReadInteger(kMisc, kNoiseFloor, defaults.NoiseFloor);
    settings.RefreshRate = file.ReadInteger(kMisc, kRefreshRate, defaults.RefreshRate);
    settings.SoundCues = file.ReadBool(kMisc, kSoundCues, defaults.SoundCues);
    settings.MaxVolts = file.ReadFloat(kPowerLimits, kMaximumVolts, defaults.MaxVolts);
    settings.MaxWatts = file.ReadFloat(kPowerLimits, kMaximumWatts, defaults.MaxWatts);
    settings.PowerLimitEnabled =
        file.ReadBool(kPowerLimits, kPowerLimitEnabled, defaults.PowerLimitEnabled);
    settings.QRPJumpered = file.ReadBool(kPowerLimits, kQrpJumpered, defaults.QRPJumpered);
    settings.ShowPower = file.ReadBool(kShowPowerSection, kShowPower, defaults.ShowPower);
    settings.FldigiFollow = file.ReadBool(kFldigi, kFollow, defaults.FldigiFollow);
    settings.FldigiHost = file.ReadString(kFldigi, kHost, defaults.FldigiHost);
    settings.FldigiPort = file.ReadInteger(kFldigi, kPort, defaults.FldigiPort);
    settings.RigFollow = file.ReadBool(kRig, kFollow, defaults.RigFollow);
    settings.RigHost = file.ReadString(kRig, kHost, defaults.RigHost);
    settings.RigPort = file.ReadInteger(kRig, kPort, defaults.RigPort);
    settings.SwrAlert = file.ReadFloat(kRig, kSwrAlert, defaults.SwrAlert);
}

std::optional<std::string> ReadSoundOutput(const SettingsFile& file) {
    const std::string kAbsent = "\n";  // no value can hold a line end
    const std::string id = file.ReadString(IniKey::kMisc, IniKey::kSoundOutput, kAbsent);
    if (id == kAbsent) return std::nullopt;
    return id;
}

void ReadHistorySettings(const SettingsFile& file, Settings& settings) {
    using namespace IniKey;
    settings.HistoryLog = file.ReadBool(kHistory, kLog, false);
    // An empty value means the default name, as a missing key does.
    const std::string path = file.ReadString(kHistory, kFile, "");
    if (!path.empty()) settings.HistoryFile = path;
}

bool SaveSettings(SettingsFile& file, const Settings& settings, const WindowPlacement& window) {
    using namespace IniKey;
    // One replace for the whole save: an interrupted save leaves the old settings whole.
    ProfileBatch save(file.Profile());
    bool ok = true;
    // A failed key must not stop the others from being saved.
    const auto keep = [&ok](bool written) { ok = written && ok; };
    // The power display's two keys lead, so that a new file starts with [SHOW POWER].
    keep(file.WriteBool(kShowPowerSection, kShowPower, settings.ShowPower));
    keep(file.WriteBool(kPowerLimits, kQrpJumpered, settings.QRPJumpered));
    keep(file.WriteInteger(kComParms, kPort, settings.ComPort));
    if (window.hasPosition) {
        keep(file.WriteInteger(kScreenParms, kLeft, window.left));
        keep(file.WriteInteger(kScreenParms, kTop, window.top));
    }
    keep(file.WriteInteger(kScreenParms, kWidth, window.width));
    keep(file.WriteInteger(kScreenParms, kHeight, window.height));
    keep(file.WriteInteger(kScreenParms, kWindowState, window.minimized));
    keep(file.WriteBool(kMisc, kAlwaysOnTop, settings.AlwaysOnTop));
    keep(file.WriteBool(kMisc, kAlc, settings.Alc));
    keep(file.WriteFloat(kMisc, kGain, settings.Gain));
    keep(file.WriteInteger(kMisc, kTargetImd, settings.TargetIMD));
    keep(file.WriteInteger(kMisc, kAudioFloor, settings.AudioFloor));
    keep(file.WriteInteger(kMisc, kNoiseFloor, settings.NoiseFloor));
    keep(file.WriteBool(kMisc, kMode, settings.Psk63));
    if (settings.SoundOutput.value_or("").empty())
        keep(file.WriteInteger(kMisc, kSoundCard, settings.SoundCard));
    if (settings.SoundOutput) keep(file.WriteString(kMisc, kSoundOutput, *settings.SoundOutput));
    keep(file.WriteInteger(kMisc, kRefreshRate, settings.RefreshRate));
    keep(file.WriteBool(kMisc, kSoundCues, settings.SoundCues));
    keep(file.WriteFloat(kPowerLimits, kMaximumVolts, settings.MaxVolts));
    keep(file.WriteFloat(kPowerLimits, kMaximumWatts, settings.MaxWatts));
    keep(file.WriteBool(kPowerLimits, kPowerLimitEnabled, settings.PowerLimitEnabled));
    keep(file.WriteBool(kFldigi, kFollow, settings.FldigiFollow));
    keep(file.WriteString(kFldigi, kHost, settings.FldigiHost));
    keep(file.WriteInteger(kFldigi, kPort, settings.FldigiPort));
    keep(file.WriteBool(kRig, kFollow, settings.RigFollow));
    keep(file.WriteString(kRig, kHost, settings.RigHost));
    keep(file.WriteInteger(kRig, kPort, settings.RigPort));
    keep(file.WriteFloat(kRig, kSwrAlert, settings.SwrAlert));
    keep(SaveMqttSettings(file, settings.Mqtt));
    keep(save.Commit());
    return ok;
}

std::string BestLevelKey(const std::string& outputName) {
    std::string key;
    for (char c : outputName)
        key += std::string_view("=;[]\r\n").find(c) == std::string_view::npos ? c : '_';
    const auto first = key.find_first_not_of(" \t");
    if (first == std::string::npos) return "_";
    return key.substr(first, key.find_last_not_of(" \t") - first + 1);
}

std::optional<KeptBestLevel> ReadBestLevel(const SettingsFile& file, const std::string& output) {
    std::istringstream text(file.ReadString(IniKey::kBestLevel, BestLevelKey(output), ""));
    text.imbue(std::locale::classic());
    KeptBestLevel kept;
    if (!(text >> kept.level >> kept.watts >> kept.imdDb) || kept.level < 0 || kept.level > 100)
        return std::nullopt;
    return kept;
}

bool SaveBestLevel(SettingsFile& file, const std::string& output, const KeptBestLevel& kept) {
    char value[64];
    std::snprintf(value, sizeof value, "%d %.1f %.1f", kept.level, kept.watts, kept.imdDb);
    ProfileBatch save(file.Profile());
    const bool written = file.WriteString(IniKey::kBestLevel, BestLevelKey(output), value);
    return save.Commit() && written;
}

std::optional<int> ReadBandLevel(const SettingsFile& file, const std::string& bandMode) {
    const int level = file.ReadInteger(IniKey::kLevels, bandMode, -1);
    if (level < 0 || level > 100) return std::nullopt;
    return level;
}

bool SaveBandLevel(SettingsFile& file, const std::string& bandMode, int level) {
    ProfileBatch save(file.Profile());
    const bool written = file.WriteInteger(IniKey::kLevels, bandMode, level);
    return save.Commit() && written;
}
