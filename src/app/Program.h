#pragma once
// The program entry: the single-instance guard, the platform, the main window and the
// dialogs in their order of creation, the message loop, and shutdown in reverse order.

// Returns the process's exit status.
int RunQuorvane(int argc, char** argv);
