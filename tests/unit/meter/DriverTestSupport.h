#pragma once
// Shared bits of the driver tests: the simulated host's paths, call-log checks and the
// port-sharing layer on that host.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeDriverServices.h"
#include "fakes/RecordingLogger.h"
#include "meter/rig_port.h"

inline const std::string kExePath = "C:\\Program Files\\Quorvane\\quorvane.exe";
inline const std::string kSource = "C:\\Program Files\\Quorvane\\KESTRAL.SYS";
inline const std::string kTarget = "C:\\WINNT\\system32\\drivers\\KESTRAL.SYS";
inline const std::string kAdminHint =
    " Make sure that you are an administrator, and that Kestral is not already running.";

// `expected` appear in `calls` in this order, other calls allowed in between.
inline ::testing::AssertionResult CallsInOrder(const std::vector<std::string>& calls,
                                               const std::vector<std::string>& expected) {
    auto at = calls.begin();
    for (const auto& call : expected) {
        at = std::find(at, calls.end(), call);
        if (at == calls.end()) {
            auto failure = ::testing::AssertionFailure()
                           << "missing or out of order: " << call << "\ncalls:";
            for (const auto& made : calls) failure << "\n  " << made;
            return failure;
        }
        ++at;
    }
    return ::testing::AssertionSuccess();
}

inline long CallCount(const std::vector<std::string>& calls, const std::string& call) {
    return std::count(calls.begin(), calls.end(), call);
}

// A fresh NT host with the driver file beside the program.
class RigPortTest : public ::testing::Test {
protected:
    void SetUp() override { os.addFile(kSource); }

    std::unique_ptr<SerialPort> hook(const std::string& name) {
        uint32_t error = 0;
        return rig.HookComPort(name, error);
    }

    FakeDriverServices os;
    RigPort rig{os, os.ports()};
};
