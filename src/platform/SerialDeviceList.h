#pragma once
// The serial devices the system has now, and the COM names that reach them, for the port
// dialog's list. Opening a port stays with SerialPorts.

#include <string>
#include <vector>

struct SerialDevice {
    // The device as the system names it: "/dev/ttyUSB0" (the resolved path), "COM5".
    std::string Node;
    // A name that finds the same adapter again in any USB socket
    // ("/dev/serial/by-id/usb-FTDI_..."); empty where the system gives none.
    std::string StableName;
    // What the device is ("FTDI FT232R USB UART"); may be empty.
    std::string Description;
};

class SerialDeviceList {
public:
    virtual ~SerialDeviceList() = default;
    // The serial devices present now.
    virtual std::vector<SerialDevice> PresentDevices() = 0;
    // The Node of the device that COM port `port` opens, whether present or not.
    virtual std::string ComPortNode(int port) = 0;
    // Whether COM port `port` has been tied to a device, present or not, so that it is
    // not handed to another.
    virtual bool ComPortAssigned(int port) = 0;
    // Ties COM port `port` to `device` for good; false when the system names its ports
    // itself or the tie cannot be made.
    virtual bool AssignComPort(int port, const SerialDevice& device) = 0;
};
