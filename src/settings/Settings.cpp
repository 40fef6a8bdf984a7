#include "settings/Settings.h"

void ReadRemainingSettings(const SettingsFile& file, Settings& settings) {
    using namespace IniKey;
    const Settings defaults;
    settings.Gain = file.ReadFloat(Misc, Gain, defaults.Gain);
    settings.TargetIMD = file.ReadInteger(Misc, TargetImd, defaults.TargetIMD);
    // Only a positive "Fake Data" switches the simulated meter on; -1 is as good as 0.
    settings.FakeDataEnabled = file.ReadInteger(Misc, FakeData, 0) > 0;
    settings.FakePeak = file.ReadFloat(Misc, FakePeak, defaults.FakePeak);
    settings.AudioFloor = file.ReadInteger(Misc, AudioFloor, defaults.AudioFloor);
    settings.NoiseFloor = file.ReadInteger(Misc, NoiseFloor, defaults.NoiseFloor);
    settings.RefreshRate = file.ReadInteger(Misc, RefreshRate, defaults.RefreshRate);
    settings.MaxVolts = file.ReadFloat(PowerLimits, MaximumVolts, defaults.MaxVolts);
    settings.MaxWatts = file.ReadFloat(PowerLimits, MaximumWatts, defaults.MaxWatts);
    settings.PowerLimitEnabled =
        file.ReadBool(PowerLimits, PowerLimitEnabled, defaults.PowerLimitEnabled);
    settings.QRPJumpered = file.ReadBool(PowerLimits, QrpJumpered, defaults.QRPJumpered);
}

bool SaveSettings(SettingsFile& file, const Settings& settings, const WindowPlacement& window) {
    using namespace IniKey;
    // One replace for the whole save: an interrupted save leaves the old settings whole.
    ProfileBatch save(file.profile());
    bool ok = true;
    // A failed key must not stop the others from being saved.
    const auto keep = [&ok](bool written) { ok = written && ok; };
    keep(file.WriteInteger(ComParms, Port, settings.ComPort));
    keep(file.WriteInteger(ScreenParms, Left, window.left));
    keep(file.WriteInteger(ScreenParms, Top, window.top));
    keep(file.WriteInteger(ScreenParms, Width, window.width));
    keep(file.WriteInteger(ScreenParms, Height, window.height));
    keep(file.WriteInteger(ScreenParms, WindowState, window.minimized));
    keep(file.WriteBool(Misc, AlwaysOnTop, settings.AlwaysOnTop));
    keep(file.WriteBool(Misc, Alc, settings.Alc));
    keep(file.WriteFloat(Misc, Gain, settings.Gain));
    keep(file.WriteInteger(Misc, TargetImd, settings.TargetIMD));
    keep(file.WriteInteger(Misc, AudioFloor, settings.AudioFloor));
    keep(file.WriteInteger(Misc, NoiseFloor, settings.NoiseFloor));
    keep(file.WriteBool(Misc, Mode, settings.Psk63));
    keep(file.WriteInteger(Misc, SoundCard, settings.SoundCard));
    keep(file.WriteInteger(Misc, RefreshRate, settings.RefreshRate));
    keep(file.WriteFloat(PowerLimits, MaximumVolts, settings.MaxVolts));
    keep(file.WriteFloat(PowerLimits, MaximumWatts, settings.MaxWatts));
    keep(file.WriteBool(PowerLimits, PowerLimitEnabled, settings.PowerLimitEnabled));
    keep(file.WriteBool(PowerLimits, QrpJumpered, settings.QRPJumpered));
    keep(save.Commit());
    return ok;
}
