#pragma once
// Serial ports on Windows: the comm API itself, synchronous, one handle per port.

#include "platform/SerialPort.h"

// Opens "COM1".."COM9", "\\.\COM10" and up, or any device name (the shared "\\.\RIGPORT")
// with read and write access and no sharing. Error codes are GetLastError's.
class Win32SerialPorts final : public SerialPorts {
public:
    std::unique_ptr<SerialPort> Open(const std::string& name, uint32_t& error) override;
    std::string ErrorText(uint32_t code) const override;
    ErrorCodeSet Codes() const override { return ErrorCodeSet::Win32; }
};
