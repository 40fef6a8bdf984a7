#pragma once
// The texts of the mixer result codes that the Linux mixers return and the inventory has
// no fixed text for.

#include <cstdint>
#include <string>

// Empty for a code without a text.
std::string LinuxMixerErrorText(uint32_t code);
