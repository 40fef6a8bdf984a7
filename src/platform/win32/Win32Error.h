#pragma once
// The system's message text for a Win32 error code.

#include <cstdint>
#include <string>

// FormatMessage's text without its line end; empty when the system has none.
std::string SystemErrorText(uint32_t code);
