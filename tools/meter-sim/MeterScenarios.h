#pragma once
// What the emulated meter answers: its identification text and the data replies of each
// scenario. The shapes are chosen so that the program's analysis gives each scenario its
// own status word at the default settings (noise floor 10, target IMD -22 dB):
//   clean        b_n = round(200 |sin(pi(2n-1)/64)|): ErrRms 0.0003, IMD -70 dB  SIGNAL OK
//   splatter     round(240 |sin|) flattened at 180: ErrRms 0.025, ErrMean +20  SPLATTER!
//   underdriven  round(200 sin^2), sagging below the arch: ErrRms 0.029,
//                ErrMean -27                                               UNDERDRIVING
//   noise        random 2..12, RMS about 7.7                                NOISE
//   silence      random 0 or 1                                              NO SIGNAL
//   data         random 150..160, no nulls between arches                  DATA
//   short        the first 40 bytes of the clean frame                      NOT RESPONDING
//   idtext       the identification text instead of a frame
//   silent       no reply at all
//   overlong     a frame of line-control bytes (NUL, CR, LF, XON, XOFF, ^C, ^D, ^Z, DEL,
//                0xFF, ...) followed by eight 83-byte blocks of the letters A to H: a
//                meter gone wrong. A raw line passes every byte unchanged, and the letter a
//                later read gets shows how many bytes the reader drained before it.

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

enum class MeterScenario {
    Clean,
    Splatter,
    Underdriven,
    Noise,
    Silence,
    Data,
    Short,
    IdText,
    Silent,
    Overlong
};

std::optional<MeterScenario> MeterScenarioNamed(std::string_view name);
std::vector<std::string_view> MeterScenarioNames();

// "QUORVANE RF Meter Version <version>", cut to the meter's 31 bytes; "none" leaves the
// version part out.
std::string MeterIdentification(const std::string& version);

// The reply to "s" or "S"; empty for the silent scenario.
std::string MeterDataReply(MeterScenario scenario, const std::string& identification,
                           std::mt19937& random);
