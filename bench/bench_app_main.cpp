// The main window's figures against the meter emulator, offscreen:
//   display   what a graph cycle costs once the reply is in (target < 1 ms median)
//   heartbeat the GUI thread's longest stall while cycles wait on the meter (target < 50 ms)
//   heartbeat-fldigi  the same while following an fldigi that is silent, then gone
//   heartbeat-rig     the same while following a rigctld that is silent, then gone
//   heartbeat-mqtt    the same while publishing to an MQTT broker that is silent, then gone
//   polling   CPU time and peak memory of polling at 1000 ms and at 500 ms (target at
//             1000 ms < 0.5 % of one core)
//   sweep     how long a best-level sweep takes at 250 ms polling (target < 30 s)
// QUORVANE_BENCH_SECONDS sets the length of each timed run (default 60 s); arguments
// name the parts to run (all by default).

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "bench_app.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const char* seconds = std::getenv("QUORVANE_BENCH_SECONDS");
    const int runSeconds = seconds != nullptr && std::atoi(seconds) > 0 ? std::atoi(seconds) : 60;

    std::set<std::string> parts;
    for (int i = 1; i < argc; ++i) parts.insert(argv[i]);
    auto wanted = [&](const char* part) { return parts.empty() || parts.count(part) > 0; };

    bool met = true;
    if (wanted("display")) met &= BenchDisplayPath();
    if (wanted("heartbeat")) met &= BenchHeartbeat(runSeconds);
    if (wanted("heartbeat-fldigi")) met &= BenchFldigiHeartbeat(runSeconds);
    if (wanted("heartbeat-rig")) met &= BenchRigHeartbeat(runSeconds);
    if (wanted("heartbeat-mqtt")) met &= BenchMqttHeartbeat(runSeconds);
    if (wanted("polling")) met &= BenchPolling(runSeconds);
    if (wanted("sweep")) met &= BenchSweep();
    std::printf("%s\n", met ? "all targets met" : "TARGET MISSED");
    return met ? 0 : 1;
}
