#pragma once
// Scriptable serial ports for tests: per port name, what opening and each call does, the
// replies the reads return, and a record of everything the code under test did.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/SerialDeviceList.h"
#include "platform/SerialPort.h"

// Script and record of one port name, shared by every port opened under that name.
struct FakePortLine {
    // --- script
    uint32_t openError = 0;  // non-zero: open fails with this code
    // Calls that fail, by name ("GetCommState", "read", ...), with their error code.
    std::map<std::string, uint32_t> failures;
    bool readThrows = false;  // every read throws std::runtime_error
    CommState state;          // what GetCommState reports, and the last one set
    CommTimeouts timeouts;    // likewise for the time-outs
    // One entry per read call (pending or not), oldest first. A read returns at most the count it
    // asks for; the rest of the entry stays for the next read. No entry left: nothing arrives.
    std::deque<std::string> replies;
    // Replies queued on writing a command byte, as a meter answers it.
    std::map<char, std::string> answers;

    // --- record: every call in order: "open", "write v", "read 64", "drain 83" (a read of
    // what arrived), "GetCommState", ..., "close".
    std::vector<std::string> transcript;

    void QueueReplies(const std::string& reply, int n = 1) {
        replies.insert(replies.end(), n, reply);
    }
};

class FakeSerialPorts final : public SerialPorts {
public:
    // The line that `name` opens, as the code under test spells it ("COM3", "\\.\COM12").
    FakePortLine& Line(const std::string& name) {
        auto& line = lines_[name];
        if (!line) line = std::make_shared<FakePortLine>();
        return *line;
    }

    std::unique_ptr<SerialPort> Open(const std::string& name, uint32_t& error) override;
    std::string ErrorText(uint32_t code) const override {
        return "error text " + std::to_string(code);
    }

private:
    std::map<std::string, std::shared_ptr<FakePortLine>> lines_;
};

// Scripted devices: what is present, what each COM number opens, the ties made.
class FakeSerialDeviceList final : public SerialDeviceList {
public:
    std::vector<SerialDevice> present;
    std::map<int, std::string> nodes;  // unset: the number opens nothing present
    std::set<int> assigned;
    bool refuseTies = false;

    std::vector<SerialDevice> PresentDevices() override { return present; }
    std::string ComPortNode(int port) override {
        const auto found = nodes.find(port);
        return found == nodes.end() ? "/dev/absent" + std::to_string(port) : found->second;
    }
    bool ComPortAssigned(int port) override { return assigned.contains(port); }
    bool AssignComPort(int port, const SerialDevice& device) override {
        if (refuseTies) return false;
        assigned.insert(port);
        nodes[port] = device.Node;
        return true;
    }
};
