#pragma once
// The serial devices of a Linux system: udev's tty devices with a real port behind them,
// the adapters named under /dev/serial/by-id, and the devices the user's dosdevices links
// reach. A COM number is tied to a device by a dosdevices link to its stable name.

#include "platform/SerialDeviceList.h"

// Names the folder that stands in for /dev/serial/by-id, for tests on machines without
// adapters (a link there to a pseudo-terminal is a present adapter).
inline constexpr char kSerialByIdVariable[] = "QUORVANE_SERIAL_BY_ID";

class UdevSerialDevices final : public SerialDeviceList {
public:
    std::vector<SerialDevice> PresentDevices() override;
    std::string ComPortNode(int port) override;
    bool ComPortAssigned(int port) override;
    bool AssignComPort(int port, const SerialDevice& device) override;
};
