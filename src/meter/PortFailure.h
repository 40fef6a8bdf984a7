#pragma once
// Why a serial port failed, in the operator's words: an open that did not work, or an
// open port whose device went away. Decided from the error code and what the system says
// about the device; no I/O here.

#include <cstdint>
#include <string>

#include "platform/SerialPort.h"

enum class OpenFailureKind { NotPresent, InUse, NoPermission, Other };

OpenFailureKind ClassifyOpenFailure(ErrorCodeSet codes, uint32_t code);

// A failed read or write on an open port that means the device is gone (unplugged, the
// line hung up), as opposed to one that may work next time.
bool IsHangUpError(ErrorCodeSet codes, uint32_t code);

// One line naming the port and the reason, with the fix where there is one, e.g.
// "COM3: in use by another program." `systemText` is the system's own message for `code`,
// used when the reason is none of the known ones. In the operator's language unless
// `english` (for the log).
std::string OpenFailureReason(const std::string& portName, ErrorCodeSet codes, uint32_t code,
                              const PortDevice& device, const std::string& systemText,
                              bool english = false);
