#pragma once
// The parts of bench_app; each prints its figures and says whether its target was met.

#include <string>

// Median and worst of 200 graph cycles' display, from the reply being in to the chart and
// labels updated and the window painted; target < 1 ms median.
bool BenchDisplayPath();

// Longest gap between 10 ms heartbeat timer events on the GUI thread while pollTimer_ polls
// the emulator every 1000 ms for `seconds`; target < 50 ms.
bool BenchHeartbeat(int seconds);
// The same with "Follow fldigi" on, against an fldigi that never answers and then against
// one that is not there; target < 50 ms each.
bool BenchFldigiHeartbeat(int seconds);
// The same with "Follow the rig (rigctld)" on, against a rigctld that never answers and then
// against one that is not there; target < 50 ms each.
bool BenchRigHeartbeat(int seconds);
// The same publishing over MQTT to a broker that takes the connection but never answers, and
// then to one that is not there; target < 50 ms each.
bool BenchMqttHeartbeat(int seconds);

// CPU time and peak resident memory while polling every 1000 ms, then every 500 ms, for
// `seconds` each; target < 0.5 % of one core at 1000 ms.
bool BenchPolling(int seconds);

// Wall-clock time from Start to the result of a best-level sweep, with the poll timer at
// 250 ms and the emulated transmitter following a private sound server's output, for a
// knee at 40 % and at 80 %; target well under 30 s.
bool BenchSweep();
