// What the settings file costs at start-up (every key read) and at shutdown (the save),
// for the largest file the program accepts, in its two worst shapes (long text under
// unknown keys, and nothing but empty lines), and for a 60 MB file that it refuses.
// Target: start-up plus save well under 100 ms; the refusal under 1 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/linux/LinuxProfileFile.h"
#include "settings/Settings.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own for one run, removed afterwards.
struct BenchFolder {
    BenchFolder() {
        std::string name = (fs::temp_directory_path() / "quorvane-bench-XXXXXX").string();
        path = ::mkdtemp(name.data());
    }
    ~BenchFolder() { fs::remove_all(path); }
    fs::path path;
};

std::string FileOfShape(int shape) {
    const std::size_t size = LinuxProfileFile::kMaxFileSize - 4096;
    switch (shape) {
        case 0: {  // the program's keys after many unknown ones
            std::string text = "[UNKNOWN]\r\n";
            for (int i = 0; text.size() < size; ++i)
                text += "Key" + std::to_string(i) + "=some value the program does not know\r\n";
            return text + "[MISC]\r\nGain=2.5\r\n[POWER LIMITS]\r\nMaximum Volts=3\r\n";
        }
        case 1:  // empty lines only
            return std::string(size, '\n');
        default:  // far too large: 60 MB
            return std::string(60u * 1024 * 1024, '\n');
    }
}

void StartAndSave(LinuxProfileFile& profile) {
    SettingsFile file(profile);
    Settings settings;
    {
        ProfileBatch startup(profile);
        settings.Debug = file.ReadBool(IniKey::kMisc, IniKey::kDebug, false);
        settings.ComPort = file.ReadInteger(IniKey::kComParms, IniKey::kPort, 1);
        for (const char* key :
             {IniKey::kLeft, IniKey::kTop, IniKey::kWidth, IniKey::kHeight, IniKey::kWindowState})
            benchmark::DoNotOptimize(file.ReadInteger(IniKey::kScreenParms, key, 0));
        settings.Alc = file.ReadBool(IniKey::kMisc, IniKey::kAlc, false);
        ReadRemainingSettings(file, settings);
    }
    settings.Gain += 0.5;  // something to write
    benchmark::DoNotOptimize(SaveSettings(file, settings, WindowPlacement{10, 20, 447, 328, 0}));
}

void BM_StartupAndSave(benchmark::State& state) {
    BenchFolder folder;
    const fs::path path = folder.path / "quorvane.ini";
    const std::string content = FileOfShape(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        state.ResumeTiming();
        LinuxProfileFile profile(path.string());
        StartAndSave(profile);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(content.size()));
}
BENCHMARK(BM_StartupAndSave)
    ->ArgName("shape")  // 0: many unknown keys, 1: empty lines, 2: 60 MB, refused
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
