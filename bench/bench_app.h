#pragma once
// The parts of bench_app; each prints its figures and says whether its target was met.

#include <string>

// Median and worst of 200 graph cycles' display, from the reply being in to the chart and
// labels updated; target < 5 ms.
bool BenchDisplayPath();

// Longest gap between 10 ms heartbeat timer events on the GUI thread while Timer1 polls
// the emulator every 1000 ms for `seconds`; target < 50 ms.
bool BenchHeartbeat(int seconds);

// CPU time and peak resident memory while polling every 500 ms for `seconds`.
void BenchPolling(int seconds);
