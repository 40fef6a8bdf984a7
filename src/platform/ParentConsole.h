#pragma once
// A Windows GUI program starts without a console, so what it prints goes nowhere. Joining
// the console of the command prompt that started it lets --help and --version answer
// there. Output that was redirected (to a file, a pipe) stays where it was sent. Elsewhere
// standard output is the terminal's already, and this does nothing.

#ifdef _WIN32
void AttachParentConsole();
#else
inline void AttachParentConsole() {}
#endif
