// The main window polling the emulator with its own timer: how long the GUI thread ever
// waits, also while following an fldigi or a rigctld or publishing to an MQTT broker that is
// silent or gone, and what polling costs in CPU time and memory.

#include <sys/resource.h>

#include <QEventLoop>
#include <QTcpServer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "bench_app.h"
#include "support/app/MainWindowHarness.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kHeartbeatTargetMs = 50.0;

struct Run {
    int cycles = 0;
    double longestGapMs = 0.0;
    double wallSeconds = 0.0;
};

// Runs the message loop for `seconds` with pollTimer_ at `intervalMs`, beating every 10 ms when
// asked to. The beats wake the GUI thread a hundred times a second, so they stay out of
// the CPU figures.
Run Poll(MainWindowHarness& h, int intervalMs, int seconds, bool beat) {
    Run run;
    QObject::connect(&h.Form(), &MainWindow::CycleFinished, [&run] { ++run.cycles; });
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(10);
    auto last = Clock::now();
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        run.longestGapMs = std::max(run.longestGapMs,
                                    std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    });
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    h.Probe().PollTimer()->setInterval(intervalMs);
    const auto start = Clock::now();
    h.Probe().PollTimer()->start();
    if (beat) heartbeat.start();
    last = Clock::now();
    loop.exec();
    h.Probe().PollTimer()->stop();
    h.Form().WaitForCycle();
    run.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    return run;
}

double CpuSeconds(const rusage& u) {
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// One heartbeat run of the window started with `settings`; `what` names it in the figures.
bool Heartbeat(const char* what, const std::string& settings, int seconds) {
    MainWindowHarness h({.settings = settings});
    if (!h.Start()) {
        std::printf("heartbeat: start-up failed\n");
        return false;
    }
    const Run run = Poll(h, 1000, seconds, true);
    std::printf(
        "heartbeat%s: %d cycles at 1000 ms in %.0f s: longest gap between 10 ms beats "
        "%.1f ms (target < %.0f ms)\n",
        what, run.cycles, run.wallSeconds, run.longestGapMs, kHeartbeatTargetMs);
    return run.cycles > 0 && run.longestGapMs < kHeartbeatTargetMs;
}

}  // namespace

bool BenchHeartbeat(int seconds) {
    return Heartbeat("", "", seconds);
}

// Heartbeat runs with a link to `program`, made by `settings` for a port: first a server that
// takes connections but never answers, so every request runs into its time-out, then a port
// where nothing listens, so every connection is refused.
bool LinkHeartbeat(const std::string& program, const std::function<std::string(quint16)>& settings,
                   int seconds) {
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    QTcpServer gone;
    gone.listen(QHostAddress::LocalHost);
    const quint16 nobody = gone.serverPort();
    gone.close();
    const bool silentMet =
        Heartbeat((" (" + program + " silent)").c_str(), settings(silent.serverPort()), seconds);
    return Heartbeat((" (" + program + " gone)").c_str(), settings(nobody), seconds) && silentMet;
}

std::function<std::string(quint16)> Following(const char* section) {
    return [section](quint16 port) {
        return std::string("[MISC]\r\nALC=1\r\n[") + section +
               "]\r\nFollow=1\r\nPort=" + std::to_string(port) + "\r\n";
    };
}

bool BenchFldigiHeartbeat(int seconds) {
    return LinkHeartbeat("fldigi", Following("FLDIGI"), seconds);
}

bool BenchRigHeartbeat(int seconds) {
    return LinkHeartbeat("rigctld", Following("RIG"), seconds);
}

bool BenchMqttHeartbeat(int seconds) {
    // The silent broker never sends CONNACK: the link waits for it, gives up and tries again.
    return LinkHeartbeat(
        "MQTT broker",
        [](quint16 port) {
            return "[MQTT]\r\nEnabled=1\r\nHost=127.0.0.1\r\nInterval=100\r\nPort=" +
                   std::to_string(port) + "\r\n";
        },
        seconds);
}

bool BenchPolling(int seconds) {
    constexpr double kTargetPercentAt1Hz = 0.5;
    bool met = true;
    for (const int intervalMs : {1000, 500}) {
        MainWindowHarness h(MainWindowHarness::Options{});
        if (!h.Start()) {
            std::printf("polling: start-up failed\n");
            return false;
        }
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        const Run run = Poll(h, intervalMs, seconds, false);
        getrusage(RUSAGE_SELF, &after);
        const double cpu = CpuSeconds(after) - CpuSeconds(before);
        const double percent = 100.0 * cpu / run.wallSeconds;
        std::printf(
            "polling: %d cycles at %d ms in %.0f s: CPU %.2f s (%.2f %% of one core%s), "
            "peak RSS %.1f MiB\n",
            run.cycles, intervalMs, run.wallSeconds, cpu, percent,
            intervalMs == 1000 ? ", target < 0.5 %" : "", double(after.ru_maxrss) / 1024.0);
        if (intervalMs == 1000) met = run.cycles > 0 && percent < kTargetPercentAt1Hz;
    }
    return met;
}
