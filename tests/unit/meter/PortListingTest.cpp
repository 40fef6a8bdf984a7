// The port dialog's list and the first free COM number, over a scripted device set.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "meter/PortListing.h"

namespace {

// Scripted devices: what is present, what each COM number opens, the ties made.
struct FakeSerialDeviceList final : SerialDeviceList {
    std::vector<SerialDevice> present;
    std::map<int, std::string> nodes;  // unset: the number opens nothing present
    std::set<int> assigned;

    std::vector<SerialDevice> PresentDevices() override { return present; }
    std::string ComPortNode(int port) override {
        return nodes.contains(port) ? nodes[port] : "/dev/absent" + std::to_string(port);
    }
    bool ComPortAssigned(int port) override { return assigned.contains(port); }
    bool AssignComPort(int port, const SerialDevice& device) override {
        assigned.insert(port);
        nodes[port] = device.Node;
        return true;
    }
};

TEST(PortListing, ListsReachedDevicesThenNewOnesAndTiesTheFirstFreeNumber) {
    FakeSerialDeviceList devices;
    const SerialDevice meter{"/dev/ttyACM0", "/dev/serial/by-id/usb-Meter", "Quorvane Meter"};
    devices.present = {{"/dev/ttyUSB0", "", "FTDI FT232R USB UART"},
                       meter,
                       {"/dev/pts/3", "", "/dev/pts/3"},
                       {"/dev/ttyS2", "", "serial"}};
    devices.nodes = {{5, "/dev/ttyUSB0"}, {1, "/dev/pts/3"}, {3, "/dev/ttyS2"}};
    // COM1 is a link to a present device, COM2 one to an unplugged adapter.
    devices.assigned = {1, 2};

    const std::vector<std::string> expected = {"COM1  /dev/pts/3",
                                               "COM3  serial  (/dev/ttyS2)",
                                               "COM5  FTDI FT232R USB UART  (/dev/ttyUSB0)",
                                               "New  Quorvane Meter  (/dev/ttyACM0)",
                                               "COM2",
                                               "COM4"};
    const std::vector<PortEntry> before = ListPorts(devices, 5);
    std::vector<std::string> texts;
    for (const PortEntry& entry : before) texts.push_back(entry.Text);
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(before[3].Device.StableName, meter.StableName);

    EXPECT_EQ(AssignFirstFreeComPort(devices, meter), 4);
    const std::vector<PortEntry> after = ListPorts(devices, 5);
    EXPECT_EQ(after[2].Text, "COM4  Quorvane Meter  (/dev/ttyACM0)");
}

}  // namespace
