#include "meter/PortListing.h"

#include <algorithm>
#include <map>

#include "base/Translation.h"

namespace {

std::string ComName(int port) {
    return "COM" + std::to_string(port);
}

std::string EntryText(const std::string& head, const SerialDevice& device) {
    std::string text = head;
    if (!device.Description.empty()) text += "  " + device.Description;
    // A device known only by its path needs it once.
    if (device.Description != device.Node) text += "  (" + device.Node + ")";
    return text;
}

// Which present device each COM number reaches, by the device's index.
std::map<int, std::size_t> ReachedDevices(SerialDeviceList& devices,
                                          const std::vector<SerialDevice>& present) {
    std::map<int, std::size_t> reached;
    for (int port = 1; port <= kHighestComPort; ++port) {
        const std::string node = devices.ComPortNode(port);
        const auto found = std::find_if(present.begin(), present.end(),
                                        [&](const SerialDevice& d) { return d.Node == node; });
        if (!node.empty() && found != present.end()) reached[port] = found - present.begin();
    }
    return reached;
}

}  // namespace

std::vector<PortEntry> PlainPortEntries(int count) {
    std::vector<PortEntry> entries;
    for (int port = 1; port <= count; ++port) entries.push_back({port, {}, ComName(port)});
    return entries;
}

std::vector<PortEntry> ListPorts(SerialDeviceList& devices, int count) {
    const std::vector<SerialDevice> present = devices.PresentDevices();
    const std::map<int, std::size_t> reached = ReachedDevices(devices, present);

    std::vector<PortEntry> entries;
    std::vector<bool> known(present.size(), false);
    for (const auto& [port, index] : reached) {
        entries.push_back({port, present[index], EntryText(ComName(port), present[index])});
        known[index] = true;
    }
    for (std::size_t i = 0; i < present.size(); ++i)
        if (!known[i])
            entries.push_back(
                {0, present[i], EntryText(Translated("PortDialog", "New"), present[i])});
    for (PortEntry& plain : PlainPortEntries(count))
        if (!reached.contains(plain.ComPort)) entries.push_back(std::move(plain));
    return entries;
}

int AssignFirstFreeComPort(SerialDeviceList& devices, const SerialDevice& device) {
    const std::map<int, std::size_t> reached = ReachedDevices(devices, devices.PresentDevices());
    for (int port = 1; port <= kHighestComPort; ++port) {
        if (reached.contains(port) || devices.ComPortAssigned(port)) continue;
        return devices.AssignComPort(port, device) ? port : 0;
    }
    return 0;
}
