#pragma once
// Serial communications as the program uses them: a Win32-like comm API so the
// meter link reads the same on every platform.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The parts of a DCB the program touches; other fields stay as the port reports them.
struct CommState {
    uint32_t DCBlength = 28;  // size of the Win32 record; logged, never interpreted
    uint32_t BaudRate = 0;
    uint32_t Flags = 0;  // bit 0 binary mode; bits 4-5 DTR control, 12-13 RTS control
    uint8_t ByteSize = 8;
    uint8_t Parity = 0;    // 0 none
    uint8_t StopBits = 0;  // 0 one stop bit
};

struct CommTimeouts {
    uint32_t ReadIntervalTimeout = 0;
    uint32_t ReadTotalTimeoutMultiplier = 0;
    uint32_t ReadTotalTimeoutConstant = 0;
    uint32_t WriteTotalTimeoutMultiplier = 0;
    uint32_t WriteTotalTimeoutConstant = 0;
};

// One open port. Destroying it closes the port.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    virtual bool GetCommState(CommState& state) = 0;
    virtual bool SetCommState(const CommState& state) = 0;
    virtual bool GetCommTimeouts(CommTimeouts& timeouts) = 0;
    virtual bool SetCommTimeouts(const CommTimeouts& timeouts) = 0;
    // Reads up to `count` bytes; returns when `count` arrived or the total read
    // time-out (multiplier x count + constant, in ms) ran out. False on an I/O error.
    virtual bool Read(uint8_t* buffer, std::size_t count, std::size_t& received) = 0;
    // Reads up to `count` of the bytes that have arrived, whatever the time-outs say.
    // When none has, waits at most kQuietGapMs for some: a reply still coming in, or held
    // back by a USB adapter's latency timer, counts as arrived.
    static constexpr int kQuietGapMs = 25;
    virtual bool ReadPending(uint8_t* buffer, std::size_t count, std::size_t& received) = 0;
    virtual bool Write(const uint8_t* data, std::size_t count, std::size_t& written) = 0;
    // Error code of the last failed call on this port (errno on Linux). A read that runs
    // out of time succeeds with fewer bytes; a port whose device went away (unplugged)
    // fails its calls instead, with a code that IsHangUpError (meter/PortFailure.h) knows.
    virtual uint32_t LastError() const = 0;
};

// The numbering the error codes of a SerialPorts follow.
enum class ErrorCodeSet { Errno, Win32 };

// What the system says about the device behind a COM name, to explain a failed open.
struct PortDevice {
    std::string Path;           // the device node, or the link's target; empty on Windows
    std::string Group;          // the node's owner group; empty when unknown
    bool GroupMayOpen = false;  // that group may read and write the node
};

// Opens ports by their COM name ("COM3", or "\\.\COM12" from port 10 on).
class SerialPorts {
public:
    virtual ~SerialPorts() = default;
    // Exclusive open; on failure returns null and sets `error`.
    virtual std::unique_ptr<SerialPort> Open(const std::string& name, uint32_t& error) = 0;
    // The system's message text for an error code.
    virtual std::string ErrorText(uint32_t code) const = 0;
    // The numbering of the codes: errno's unless an implementation says otherwise.
    virtual ErrorCodeSet Codes() const { return ErrorCodeSet::Errno; }
    // What the system says of the device `name` stands for; nothing unless it says more.
    virtual PortDevice Device(const std::string&) const { return {}; }
};
