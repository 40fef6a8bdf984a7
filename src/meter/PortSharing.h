#pragma once
// The choice between opening the meter's COM port directly and sharing it with the
// operator's PSK31 program through the port-sharing driver.

#include <cstdint>
#include <memory>
#include <string>

#include "base/Logger.h"
#include "platform/SerialPort.h"

class PortSharing {
public:
    virtual ~PortSharing() = default;
    // True when the port is to go through the driver; logs the line that says why.
    virtual bool ShouldShare(Logger& log) = 0;
    // Opens `openName` ("COM3", or "\\.\COM12" from port 10 on) through the driver,
    // falling back to the direct port when the hook fails. Null on failure, with `error`.
    virtual std::unique_ptr<SerialPort> HookComPort(const std::string& openName,
                                                    uint32_t& error) = 0;
    // Why the port is not shared after all (the driver failed, or cannot load on this
    // Windows), once; empty when there is nothing to tell.
    virtual std::string TakeNote() { return {}; }
};
