#pragma once
// Shares the meter's port through the KESTRAL driver on the NT family when the driver
// file lies beside the program; otherwise the port is opened directly.

#include "meter/PortSharing.h"
#include "meter/PortSharingDriver.h"
#include "platform/DriverServices.h"

class SharedPortDecision final : public PortSharing {
public:
    SharedPortDecision(DriverServices& os, PortSharingDriver& rigPort)
        : os_(os), sharingDriver_(rigPort) {}

    bool ShouldShare(Logger& log) override;
    std::unique_ptr<SerialPort> HookComPort(const std::string& openName, uint32_t& error) override;
    std::string TakeNote() override;

private:
    DriverServices& os_;
    PortSharingDriver& sharingDriver_;
    bool toldNoDriver_ = false;
    std::string note_;
};
