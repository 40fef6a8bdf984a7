#include "platform/win32/Win32SerialPorts.h"

#include "platform/win32/WindowsApi.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>

#include "platform/win32/Win32Error.h"

namespace {

// The DCB's flag bits share one 32-bit word right after BaudRate.
constexpr std::size_t kFlagWordOffset = offsetof(DCB, BaudRate) + sizeof(DWORD);
static_assert(offsetof(DCB, wReserved) == kFlagWordOffset + sizeof(DWORD));

uint32_t FlagWord(const DCB& dcb) {
    uint32_t flags = 0;
    std::memcpy(&flags, reinterpret_cast<const char*>(&dcb) + kFlagWordOffset, sizeof flags);
    return flags;
}

void SetFlagWord(DCB& dcb, uint32_t flags) {
    std::memcpy(reinterpret_cast<char*>(&dcb) + kFlagWordOffset, &flags, sizeof flags);
}

class Win32SerialPort final : public SerialPort {
public:
    explicit Win32SerialPort(HANDLE handle) : handle_(handle) {}
    ~Win32SerialPort() override { ::CloseHandle(handle_); }
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

    bool GetCommState(CommState& state) override {
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!::GetCommState(handle_, &dcb)) return Fail();
        state.DCBlength = dcb.DCBlength;
        state.BaudRate = dcb.BaudRate;
        state.Flags = FlagWord(dcb);
        state.ByteSize = dcb.ByteSize;
        state.Parity = dcb.Parity;
        state.StopBits = dcb.StopBits;
        return true;
    }

    bool SetCommState(const CommState& state) override {
        // Fields the record leaves out (XON/XOFF limits and characters) stay as the port has them.
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!::GetCommState(handle_, &dcb)) return Fail();
        dcb.DCBlength = state.DCBlength;
        dcb.BaudRate = state.BaudRate;
        SetFlagWord(dcb, state.Flags);
        dcb.ByteSize = state.ByteSize;
        dcb.Parity = state.Parity;
        dcb.StopBits = state.StopBits;
        return ::SetCommState(handle_, &dcb) ? true : Fail();
    }

    bool GetCommTimeouts(CommTimeouts& timeouts) override {
        COMMTIMEOUTS t{};
        if (!::GetCommTimeouts(handle_, &t)) return Fail();
        timeouts.ReadIntervalTimeout = t.ReadIntervalTimeout;
        timeouts.ReadTotalTimeoutMultiplier = t.ReadTotalTimeoutMultiplier;
        timeouts.ReadTotalTimeoutConstant = t.ReadTotalTimeoutConstant;
        timeouts.WriteTotalTimeoutMultiplier = t.WriteTotalTimeoutMultiplier;
        timeouts.WriteTotalTimeoutConstant = t.WriteTotalTimeoutConstant;
        return true;
    }

    bool SetCommTimeouts(const CommTimeouts& timeouts) override {
        COMMTIMEOUTS t{};
        t.ReadIntervalTimeout = timeouts.ReadIntervalTimeout;
        t.ReadTotalTimeoutMultiplier = timeouts.ReadTotalTimeoutMultiplier;
        t.ReadTotalTimeoutConstant = timeouts.ReadTotalTimeoutConstant;
        t.WriteTotalTimeoutMultiplier = timeouts.WriteTotalTimeoutMultiplier;
        t.WriteTotalTimeoutConstant = timeouts.WriteTotalTimeoutConstant;
        return ::SetCommTimeouts(handle_, &t) ? true : Fail();
    }

    bool Read(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        received = 0;
        DWORD got = 0;
        if (!ReadFile(handle_, buffer, Clamp(count), &got, nullptr)) return Fail();
        received = got;
        return true;
    }

    bool ReadPending(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        received = 0;
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(handle_, &errors, &status)) return Fail();
        if (status.cbInQue == 0) {
            ::Sleep(kQuietGapMs);
            if (!ClearCommError(handle_, &errors, &status)) return Fail();
        }
        // Bytes already queued are there for the taking: the read cannot wait.
        return Read(buffer, (std::min)(count, std::size_t{status.cbInQue}), received);
    }

    bool Write(const uint8_t* data, std::size_t count, std::size_t& written) override {
        written = 0;
        DWORD put = 0;
        if (!WriteFile(handle_, data, Clamp(count), &put, nullptr)) return Fail();
        written = put;
        return true;
    }

    uint32_t LastError() const override { return lastError_; }

private:
    static DWORD Clamp(std::size_t count) {
        return static_cast<DWORD>(
            (std::min)(count, std::size_t{std::numeric_limits<DWORD>::max()}));
    }
    bool Fail() {
        lastError_ = GetLastError();
        return false;
    }

    HANDLE handle_;
    uint32_t lastError_ = 0;
};

}  // namespace

std::unique_ptr<SerialPort> Win32SerialPorts::Open(const std::string& name, uint32_t& error) {
    // Exclusive and synchronous: no sharing, no overlapped I/O.
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return nullptr;
    }
    error = 0;
    return std::make_unique<Win32SerialPort>(handle);
}

std::string Win32SerialPorts::ErrorText(uint32_t code) const {
    return SystemErrorText(code);
}
