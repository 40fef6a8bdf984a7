#pragma once
// This test program started again as a second process, for what one process does and
// another sees.

#include <cstdint>
#include <string>

inline constexpr int kNotAChild = -1;

// In the child: does what the arguments ask and returns the exit status, or kNotAChild
// when the program was started to run the tests.
int RunAsChild(int argc, char** argv);

// In the parent: starts this program with `arguments`, keeps this thread's windows
// answering while it runs, and returns its exit status (kNotAChild when it did not run).
int RunChild(const std::string& arguments);
