#pragma once
// A scripted set of serial devices: what is present, what each COM number opens, and
// the ties the code under test made.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/SerialDeviceList.h"

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
