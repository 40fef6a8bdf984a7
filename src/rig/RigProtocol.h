#pragma once
// rigctld's plain text protocol as the program reads it: one command a line, each answered
// by a fixed number of value lines, or by one "RPRT n" line when it failed. What the values
// mean (transmit state, frequency, mode, levels) and the band a frequency lies in. Plain
// C++: the bytes may be anything a socket delivers.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RigReply {
    std::vector<std::string> lines;  // without their line ends
    std::optional<int> error;        // the code of an "RPRT n" answer
    std::size_t consumed = 0;        // bytes of the buffer the answer took
};

// The answer at the front of `buffer` to a command that answers with `lines` lines, once it
// is in whole; nothing while it is still coming. An "RPRT" line in first place ends the
// answer early (a code that does not read is -1).
std::optional<RigReply> TakeRigReply(std::string_view buffer, int lines);

// "1" (or any non-zero number) transmits, "0" receives; nothing for anything else.
std::optional<bool> ParsePtt(std::string_view line);
// A plain decimal number ("14070000", "0.328125"), blanks around it aside; nothing for text,
// infinities and NaN.
std::optional<double> ParseRigNumber(std::string_view line);
// Hamlib's mode name ("USB", "PKTUSB"): capital letters, digits, '_' and '-', at most 12;
// empty for anything else.
std::string ParseRigMode(std::string_view line);
// The answer to "l ?": the level names the rig offers, separated by blanks.
std::vector<std::string> ParseLevelNames(std::string_view line);

// The amateur band of a frequency ("20m", "70cm"); empty outside every band.
std::string BandOf(double frequencyHz);
// The key a level is kept under for a band and mode ("20m-PKTUSB"); empty without a band.
std::string BandModeKey(double frequencyHz, const std::string& mode);
// The frequency in MHz to the kilohertz and the mode: "14.070 USB".
std::string RigFrequencyText(double frequencyHz, const std::string& mode);
