#pragma once
// Serial ports on Linux: COM names mapped onto tty devices, driven through termios.

#include <termios.h>

#include <string>

#include "platform/SerialPort.h"

// The device a COM name stands for ("\\.\" prefix allowed): the link
// <config folder>/dosdevices/comN when it exists, else COM1-4 = /dev/ttyS0-3,
// COM5-12 = /dev/ttyUSB0-7, COM13-16 = /dev/ttyACM0-3, any other COMn = /dev/ttyS(n-1).
// Empty when the name is not "COM" followed by a port number from 1 on.
std::string ComDevicePath(const std::string& name);

// Puts a comm state's speed, data bits, parity, stop bits, parity check and flow control
// into `tio`, leaving its other settings; false for a state Linux cannot give a port.
bool TermiosFromCommState(const CommState& state, termios& tio);

// Opens ports exclusively, raw 8N1 without flow control. A port whose device vanishes
// (USB unplugged, the line hung up) fails its reads and writes with EIO instead of hanging.
class LinuxSerialPorts final : public SerialPorts {
public:
    std::unique_ptr<SerialPort> Open(const std::string& name, uint32_t& error) override;
    std::string ErrorText(uint32_t code) const override;
    ErrorCodeSet Codes() const override { return ErrorCodeSet::Errno; }
    // A link names its target, so that a dangling one says which device is missing.
    PortDevice Device(const std::string& name) const override;
};
