#pragma once
// The serial devices of a Windows system through SetupAPI: each present port's COM name
// and friendly name. Windows gives every port its COM name itself.

#include "platform/SerialDeviceList.h"

class Win32SerialDevices final : public SerialDeviceList {
public:
    std::vector<SerialDevice> PresentDevices() override;
    std::string ComPortNode(int port) override;
    // Windows' own numbering decides; the program ties nothing.
    bool ComPortAssigned(int) override { return false; }
    bool AssignComPort(int, const SerialDevice&) override { return false; }
};
