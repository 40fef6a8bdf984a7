// The best-level sweep as the operator runs it: the main window's own poll timer at 250 ms,
// a private sound server's output moved through PulseAudio, and the emulated transmitter
// following that output's volume; the wall-clock time from Start to the result.

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "bench_app.h"
#include "dialogs/BestLevelWindow.h"
#include "measure/SweepChart.h"
#include "platform/EndpointMixer.h"
#include "platform/linux/PulseOutputs.h"
#include "support/SoundServer.h"
#include "support/app/MainWindowHarness.h"

namespace {

constexpr double kTargetSeconds = 30.0;
constexpr int kGiveUpSeconds = 120;

// One sweep against a transmitter whose tops flatten above `knee` percent.
bool Sweep(int knee) {
    SoundServer server({"radio=USB Audio CODEC (radio)"});
    server.Pactl("set-sink-volume radio 50%");
    EndpointMixer sinks(std::make_unique<PulseOutputs>());
    MainWindowHarness::Options options;
    options.realMixer = &sinks;
    options.meter.followSink = "radio";
    options.meter.knee = knee;
    options.settings = "[MISC]\nSound Card=0\nRefresh Rate=250\n";
    MainWindowHarness h(options);
    if (!h.Start()) {
        std::printf("sweep: start-up failed\n");
        return false;
    }
    h.Command("findBestLevel")->trigger();
    auto* window = h.Form().findChild<BestLevelWindow*>();
    if (!window) return false;

    // A finished sweep enables Start again; so does one that stopped without a result.
    QEventLoop loop;
    QObject::connect(&h.Form(), &MainWindow::CycleFinished, &loop, [&] {
        if (window->startButton->isEnabled()) loop.quit();
    });
    QTimer::singleShot(kGiveUpSeconds * 1000, &loop, &QEventLoop::quit);
    h.Probe().PollTimer()->start();
    const auto start = std::chrono::steady_clock::now();
    window->startButton->click();
    if (!window->startButton->isEnabled()) loop.exec();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    h.Probe().PollTimer()->stop();
    h.Form().WaitForCycle();

    const bool found = window->useButton->isEnabled();
    const bool met = found && seconds < kTargetSeconds;
    std::printf(
        "sweep (knee %d %%, poll timer %d ms): %zu levels measured in %.1f s, level found %s "
        "(target < %.0f s: %s)\n",
        knee, h.Probe().PollTimer()->interval(), window->chart->Steps().size(), seconds,
        found ? (std::to_string(server.Volume("radio").value_or(-1)) + " %").c_str() : "none",
        kTargetSeconds, met ? "PASS" : "FAIL");
    if (!found) std::printf("sweep: %s\n", window->resultLabel->text().toUtf8().constData());
    return met;
}

}  // namespace

bool BenchSweep() {
    bool met = true;
    for (const int knee : {40, 80}) {
        try {
            met &= Sweep(knee);
        } catch (const std::exception& e) {
            std::printf("sweep (knee %d %%): %s\n", knee, e.what());
            met = false;
        }
    }
    return met;
}
