#include "platform/win32/Win32Error.h"

#include "platform/win32/WindowsApi.h"

std::string SystemErrorText(uint32_t code) {
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n')) --length;
    return std::string(buffer, length);
}
