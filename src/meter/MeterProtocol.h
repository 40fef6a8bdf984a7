#pragma once
// The meter's wire conventions and the texts derived from them; no I/O here.

#include <string>

#include "base/Translation.h"

inline constexpr char kFirmwareCommand = 'v';
inline constexpr char kPsk31DataCommand = 's';
inline constexpr char kPsk63DataCommand = 'S';

inline constexpr int kFrameBytes = 64;           // one ReplyFrame
inline constexpr int kIdentificationBytes = 31;  // longest identification text
inline constexpr int kFlushBytes = 83;           // one read of leftovers, thrown away
// A flush throws away what has arrived, but no more than this: the terminal's input
// buffer holds 4 KB, and a meter that never stops talking must not hold up the cycle.
inline constexpr int kMaxFlushBytes = 4096;

// Read time-outs: a read of n bytes gives up after 5 x n ms.
inline constexpr unsigned kReadMsPerByte = 5;
inline constexpr unsigned kMeterBaudRate = 19200;

inline constexpr const char* kFirmwareNotDetected =
    TRANSLATABLE("StatusWord", "QUORVANE firmware not detected");
inline constexpr const char* kSimulatedModeText = TRANSLATABLE("StatusWord", "Simulated Mode");
// The status line (and the taskbar text) while the meter's port is gone.
inline constexpr const char* kMeterDisconnected = TRANSLATABLE("StatusWord", "METER DISCONNECTED");

// "COM" and the number: the name every log line and caption shows.
std::string ComPortName(int comPort);
// The name handed to the OS: from port 10 on Windows needs the "\\.\" device prefix.
std::string ComPortOpenName(int comPort);

// "PSK31 RF Monitoring on COMn" or its PSK63 form.
std::string MonitoringCaption(bool psk63, int comPort);

// A reply starting with "QUORVANE" is the meter talking about itself, not a frame.
bool IsIdentificationText(const std::string& reply);

// The (at most) four characters after the first "Version "; empty when there is none.
std::string FirmwareVersionIn(const std::string& identification);

// Firmware above 1.00 knows the PSK63 command. Compared as byte strings, but only a
// version of digits and at most one point is compared at all: line noise in the version
// field must not switch PSK63 on.
bool FirmwareSupportsPsk63(const std::string& firmwareVersion);

// The reply as the status line may show it: printable ASCII only, so that noise on the
// line cannot put control characters or broken text on the window.
std::string PrintableText(const std::string& reply);

// What a firmware query changes on the window.
struct PskModeDisplay {
    bool Psk63Enabled = false;  // the "PSK63" menu item
    std::string ModeLabel;      // "PSK63", "PSK31" or empty
    bool CaptionChanges = false;
    std::string Caption;  // only meaningful when CaptionChanges
};

// Applied on the GUI thread after a firmware query that went to the meter.
PskModeDisplay PskModeAfterFirmwareQuery(const std::string& firmwareVersion, bool psk63Checked,
                                         int comPort);
