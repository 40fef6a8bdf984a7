#pragma once
// The port dialog's list: each COM name that reaches a present device with what it is,
// then the present devices no COM name reaches yet, then the remaining COM names.

#include <string>
#include <vector>

#include "platform/SerialDeviceList.h"

struct PortEntry {
    int ComPort = 0;      // 0: a present device that no COM name reaches yet
    SerialDevice Device;  // empty Node: a COM name with no present device behind it
    std::string Text;     // "COM5  FTDI FT232R USB UART  (/dev/ttyUSB0)"
};

// The highest COM number a stored port or a new tie may use, as Windows numbers its ports.
inline constexpr int kHighestComPort = 255;

// The plain names COM1..COM`count`, as the list shows them without a device list.
std::vector<PortEntry> PlainPortEntries(int count);
// Present devices by COM number, then the unreached ones in the system's order, then the
// names from COM1 to COM`count` that reach nothing present.
std::vector<PortEntry> ListPorts(SerialDeviceList& devices, int count);
// Ties `device` to the first COM number that is neither assigned nor reaches a present
// device, and returns it; 0 when no number is free or the tie fails.
int AssignFirstFreeComPort(SerialDeviceList& devices, const SerialDevice& device);
