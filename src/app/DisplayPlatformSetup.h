#pragma once
// The window-system plugin, set before the application object is made (DisplayPlatform.h
// says which one when). Linux only: Windows has one.

#include <string>

// Names the chosen plugin in QT_QPA_PLATFORM unless the operator named one there or with
// -platform; `asked` is the "Platform" key of [MISC]. A note goes to standard error.
// False when no plugin can open a window here, or none the operator named for Qt is
// installed: the program then ends with status 1 rather than let Qt abort.
bool SelectDisplayPlatform(int argc, char** argv, const std::string& asked);

// Once the application object exists: the variable set above goes again, so that
// programs started from this one choose for themselves.
void ForgetSelectedPlatform();

// True when the program runs on Qt's Wayland plugin.
bool RunsNativelyOnWayland();
